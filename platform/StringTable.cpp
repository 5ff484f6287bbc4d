#include "platform/StringTable.h"

#include <QCoreApplication>

QString LoadResourceString(unsigned id) {
    switch (id) {
    case 128:
        return QCoreApplication::translate("StringTable", "Pebblix");
    case 32768:
        return QCoreApplication::translate("StringTable", "Show or Hide Done Button");
    case 61404:
        return QCoreApplication::translate("StringTable", "Lines");
    case 61405:
        return QCoreApplication::translate("StringTable", "Squares");
    case 61406:
        return QCoreApplication::translate("StringTable", "Blocks");
    default:
        return {};
    }
}
