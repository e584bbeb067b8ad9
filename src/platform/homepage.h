#pragma once

#include <QString>

// The program's home page: the documentation page shipped with it, until the project has a web
// site of its own.
class HomePage
{
public:
    // In docs/ beside the program when it runs from its build folder, else in share/doc/dialtrak
    // under the prefix it is installed in. When neither exists, the installed place, so that
    // what is shown says where the page belongs.
    static QString locate(const QString& programDirectory);
    // The page as an address a web browser takes.
    static QString address(const QString& page);
};
