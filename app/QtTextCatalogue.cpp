#include "QtTextCatalogue.h"

#include <QCoreApplication>

std::string QtTextCatalogue::translate(const char* context, const char* source, int count) const {
    return QCoreApplication::translate(context, source, nullptr, count).toStdString();
}
