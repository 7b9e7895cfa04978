// Projects from the File menu, the hidden "Save Curve" entries and the hidden band-list
// button. Every file is written whole through a temporary file; a failure says so in the status
// line and leaves the previous file. A project is read whole before it replaces anything.
#include <QFile>

#include "calyxon/files/DesignerSave.h"
#include "calyxon/files/ProjectFile.h"
#include "calyxon/ui/DesignerForm.h"
#include "calyxon/ui/ShownName.h"
#include "runtime/FloatText.h"

namespace calyxon {

namespace {

// A stored path replaces the current one and its shown name; none leaves both.
void TakePath(const std::string& stored, QString& path, forms::Edit& shown) {
  if (stored.empty()) return;
  path = QFile::decodeName(QByteArray::fromStdString(stored));
  shown.setText(ShownFileName(path));
}

}  // namespace

void TForm1::Button18Click() {
  if (!SaveDialog1->execute()) return;
  Edit37->setText(SaveDialog1->fileName());
  // Every manual-band edit is read before anything is written.
  ManualBands bands;
  for (int k = 0; k < kManualBandCount; ++k) bands[k] = ManualBandOf(k);

  Project project = ProjectFromDesign(Design, Presets);
  project.TargetPath = LocalPath(TargetPath);
  project.SourcePath = LocalPath(SourcePath);
  for (int k = 0; k < kManualBandCount; ++k)
    project.ManualBands[k] = ProjectManualBandFrom(bands[k], ManualGainEdit[k]->text());
  project.ProjectReservedFlag = ProjectReservedFlag;
  project.CurvesDrawnOnce = CurvesDrawnOnce;
  ShowFileStatus(kProjectStatus, SaveProject(project, Edit37->text()));
}

void TForm1::Button19Click() {
  if (!OpenDialog14->execute()) return;
  Edit37->setText(OpenDialog14->fileName());
  Timer2->setEnabled(false);
  const ProjectReading reading = ReadProjectFile(LocalPath(Edit37->text()));
  if (!reading.loaded()) {
    Timer2->setEnabled(true);
    ShowFileStatus(kProjectStatus, ProjectLoadStatusText(reading, Edit37->text()));
    return;
  }
  const Project& project = reading.project;
  TakePath(project.TargetPath, TargetPath, *Edit1);
  TakePath(project.SourcePath, SourcePath, *Edit24);
  ProjectReservedFlag = project.ProjectReservedFlag;
  CurvesDrawnOnce = project.CurvesDrawnOnce;
  TakeOverProject(project, Design, Presets);
  Timer2->setEnabled(true);

  // The manual bands' controls follow the band tables; band 1 ends up selected.
  ManualRadio[0]->setChecked(false);
  for (int k = 0; k < kManualBandCount; ++k) {
    const ManualBand band = ManualBandFromDesign(Design, kFirstManualBand + k);
    ManualFcEdit[k]->setText(runtime::FloatToStr(band.Fc));
    ManualQEdit[k]->setText(runtime::FloatToStr(band.Q));
    ManualGainEdit[k]->setText(runtime::FloatToStr(band.Gain));
  }
  ManualRadio[0]->setChecked(true);  // raises RadioButton1Click
  RadioButtonClick(0);
  ApplyManualEq();
  Design.RedrawRequested = 1;
  ShowFileStatus(kProjectStatus, {});
}

void TForm1::SaveCurveFile(forms::SaveDialog& dialog, CurveFileKind kind) {
  if (!dialog.execute()) return;
  ShowFileStatus(kCurveFileStatus,
                 SaveDesignerFile(dialog.fileName(), CurveFileText(Design, kind)));
}

void TForm1::SaveTarget1Click() {
  SaveCurveFile(*SaveDialog3, CurveFileKind::Target);
}

void TForm1::Save2Click() {
  SaveCurveFile(*SaveDialog4, CurveFileKind::TargetPlusManualEq);
}

void TForm1::SaveManualEQ1Click() {
  SaveCurveFile(*SaveDialog5, CurveFileKind::ManualEq);
}

void TForm1::Button1Click() {
  if (!SaveDialog1->execute()) return;
  Edit25->setText(SaveDialog1->fileName());
  ShowFileStatus(kBandListStatus, SaveDesignerFile(Edit25->text(), BandListText(Design)));
}

}  // namespace calyxon
