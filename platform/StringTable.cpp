#include "platform/StringTable.h"

#include "resources/ResourceIds.h"

#include <QCoreApplication>

QString LoadResourceString(unsigned id) {
    switch (id) {
    case ProductNameString:
        return QCoreApplication::translate("StringTable", "Pebblix");
    case DoneButtonStatusString:
        return QCoreApplication::translate("StringTable", "Show or Hide Done Button");
    case LinesString:
        return QCoreApplication::translate("StringTable", "Lines");
    case SquaresString:
        return QCoreApplication::translate("StringTable", "Squares");
    case BlocksString:
        return QCoreApplication::translate("StringTable", "Blocks");
    default:
        return {};
    }
}
