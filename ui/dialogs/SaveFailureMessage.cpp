#include "ui/dialogs/SaveFailureMessage.h"

#include "platform/StringTable.h"
#include "resources/ResourceIds.h"

#include <QFile>

namespace {

QString Reason(Registry::Status status) {
    switch (status) {
    case Registry::DiskFull:
        return SaveFailureMessage::tr("There is no space left on the disk.");
    case Registry::AccessDenied:
        return SaveFailureMessage::tr("The file or its folder is write-protected.");
    case Registry::Busy:
        return SaveFailureMessage::tr("Another program is using the file.");
    default:
        return SaveFailureMessage::tr("The file could not be written.");
    }
}

} // namespace

SaveFailureMessage::SaveFailureMessage(Loss loss, Registry::Status status, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, LoadResourceString(ProductNameString), QString(),
                  QMessageBox::Ok, parent) {
    const QString lost[] = {tr("The high score was not saved."), tr("The name was not saved."),
                            tr("The options were not saved.")};
    setText(lost[loss]);
    setInformativeText(Reason(status) + '\n' +
                       tr("File: %1").arg(QFile::decodeName(Registry::StorePath().c_str())));
}

void SaveFailureMessage::ShowIfFailed(Loss loss, Registry::Status status, QWidget* parent) {
    if (status != Registry::Success)
        SaveFailureMessage(loss, status, parent).exec();
}
