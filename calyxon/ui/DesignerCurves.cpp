// Loading the target and the source measurement from the File menu.
#include <QFile>

#include "calyxon/files/CurveLoading.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/ShownName.h"

namespace calyxon {

void TForm1::Button2Click() {
  CurvesDrawnOnce = 0;
  if (!OpenDialog1->execute()) return;
  TargetPath = OpenDialog1->fileName();
  Edit1->setText(ShownFileName(TargetPath));
  const CurveLoadResult result =
      LoadTargetCurve(Design, QFile::encodeName(TargetPath).toStdString());
  if (!result.loaded())
    ShowStatus(QString::fromStdString(TargetLoadStatusText(result, Edit1->text().toStdString())));
  Design.RedrawRequested = 1;
}

void TForm1::Button3Click() {
  if (!SourceLoadAllowed(Design)) {
    forms::MessageBox(kTargetFirstMessage.text, kTargetFirstMessage.caption, forms::MB_OK);
    return;
  }
  CurvesDrawnOnce = 0;
  if (!ChooseMeasurement(*OpenDialog2, SourcePath, *Edit24)) return;
  const CurveLoadResult result =
      LoadSourceCurve(Design, QFile::encodeName(SourcePath).toStdString());
  if (!result.loaded()) {
    ShowStatus(QString::fromStdString(SourceLoadStatusText(result, Edit24->text().toStdString())));
    Edit24->setText("");
  }
  Design.RedrawRequested = 1;
}

}  // namespace calyxon
