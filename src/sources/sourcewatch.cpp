#include "sourcewatch.h"

SourceWatch::SourceWatch(QObject* parent) : QObject(parent) {}
