#include "weblink.h"

#include "platform/homepage.h"
#include "platform/launcher.h"
#include "platform/prompter.h"

#include <QFileInfo>
#include <QUrl>

weblink::weblink(Launcher& launcher, Prompter& prompter, const QString& homePage, QObject* parent)
    : QObject(parent), m_launcher(launcher), m_prompter(prompter), m_homePage(homePage)
{
    setObjectName(QStringLiteral("weblink1"));
}

QString weblink::address() const
{
    return HomePage::address(m_homePage);
}

void weblink::gotodtkhome()
{
    // A page that is not there would only have the browser report it less plainly.
    if (QFileInfo(m_homePage).isFile() && m_launcher.openUrl(QUrl::fromLocalFile(m_homePage)))
        return;
    m_prompter.message(
        QStringLiteral("There was an error opening your web browser.  Please go to ") + address() +
        QStringLiteral(" in your web browser."));
}
