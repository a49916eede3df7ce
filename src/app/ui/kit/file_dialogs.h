// Standard open and save dialogs, through one place so that tests can answer
// them without a window appearing.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace orvanta {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
  FileDialogKind kind = FileDialogKind::Open;
  QString folder;          // where the dialog starts
  QString proposed_name;   // the name it proposes ("*.ovt" …), may be empty
  QString filter;          // "Pliki ORVANTA (*.ovt)"
  QString default_suffix;  // "ovt": added to a typed name without an extension
};

// The chosen path, or empty when the dialog was cancelled.
QString ChooseFile(QWidget* parent, const FileDialogRequest& request);

// Replaces the dialogs (nullptr restores them).
using FileDialogResponder = std::function<QString(const FileDialogRequest&)>;
void SetFileDialogResponder(FileDialogResponder responder);

}  // namespace orvanta
