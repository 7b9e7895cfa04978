// Loading the target and the source measurement from the File menu.
#include "calyxon/files/CurveLoading.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/ShownName.h"

namespace calyxon {

namespace {

// Asks for a measurement file; a chosen one becomes path and its name shows in edit.
bool ChooseMeasurement(forms::OpenDialog& dialog, QString& path, forms::Edit& edit) {
  if (!dialog.execute()) return false;
  path = dialog.fileName();
  edit.setText(ShownFileName(path));
  return true;
}

}  // namespace

void TForm1::Button2Click() {
  CurvesDrawnOnce = 0;
  if (!ChooseMeasurement(*OpenDialog1, TargetPath, *Edit1)) return;
  const CurveLoadResult result = LoadTargetCurve(Design, LocalPath(TargetPath));
  ShowFileStatus(kTargetStatus,
                 QString::fromStdString(TargetLoadStatusText(result, Edit1->text().toStdString())));
  Design.RedrawRequested = 1;
}

void TForm1::Button3Click() {
  if (!SourceLoadAllowed(Design)) {
    forms::MessageBox(kTargetFirstMessage.text, kTargetFirstMessage.caption, forms::MB_OK);
    return;
  }
  CurvesDrawnOnce = 0;
  if (!ChooseMeasurement(*OpenDialog2, SourcePath, *Edit24)) return;
  const CurveLoadResult result = LoadSourceCurve(Design, LocalPath(SourcePath));
  ShowFileStatus(kSourceStatus, QString::fromStdString(
                                    SourceLoadStatusText(result, Edit24->text().toStdString())));
  if (!result.loaded()) Edit24->setText("");
  Design.RedrawRequested = 1;
}

}  // namespace calyxon
