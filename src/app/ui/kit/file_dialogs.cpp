#include "app/ui/kit/file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace orvanta {
namespace {
FileDialogResponder& Responder() {
  static FileDialogResponder responder;
  return responder;
}
}  // namespace

void SetFileDialogResponder(FileDialogResponder responder) { Responder() = std::move(responder); }

QString ChooseFile(QWidget* parent, const FileDialogRequest& request) {
  if (Responder()) return Responder()(request);
  QFileDialog dialog(parent, QString(), request.folder, request.filter);
  dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.kind == FileDialogKind::Save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!request.default_suffix.isEmpty()) dialog.setDefaultSuffix(request.default_suffix);
  if (!request.proposed_name.isEmpty() && !request.proposed_name.contains('*')) dialog.selectFile(request.proposed_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QDir::toNativeSeparators(dialog.selectedFiles().first());
}

}  // namespace orvanta
