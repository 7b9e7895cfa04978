// The designer window's main menu and the Upload menu that follows the posted address.
#include "calyxon/ui/DesignerForm.h"

namespace calyxon {

namespace {

forms::MenuItem* Item(forms::MenuItem* parent, const char* name, const QString& caption,
                      std::function<void()> handler = {}) {
  forms::MenuItem* item = parent->addItem(caption);
  item->setObjectName(name);
  item->OnClick = std::move(handler);
  return item;
}

}  // namespace

void TForm1::BuildMenus() {
  // Captions carry no "&": the menu has no automatic hot keys.
  MainMenu1 = new forms::MainMenu(this);
  MainMenu1->setObjectName("MainMenu1");

  File1 = MainMenu1->addItem("File");
  TTTTyy1 = Item(File1, "TTTTyy1", "Load Project", [this] { TTTTyy1Click(); });
  Save1 = Item(File1, "Save1", "Save Project", [this] { Save1Click(); });
  OpenTargetMicFile1 = Item(File1, "OpenTargetMicFile1", "Load Target Mic File",
                            [this] { OpenTargetMicFile1Click(); });
  OpenSourceMic1 =
      Item(File1, "OpenSourceMic1", "Load Source Mic File", [this] { OpenSourceMic1Click(); });
  SaveCurve1 = Item(File1, "SaveCurve1", "Save Curve");
  SaveTarget1 = Item(SaveCurve1, "SaveTarget1", "Save Target", [this] { SaveTarget1Click(); });
  Save2 = Item(SaveCurve1, "Save2", "Save Target+ManualEQ", [this] { Save2Click(); });
  SaveManualEQ1 =
      Item(SaveCurve1, "SaveManualEQ1", "Save Manual EQ", [this] { SaveManualEQ1Click(); });
  N1 = Item(File1, "N1", "-");
  Exit2 = Item(File1, "Exit2", "Exit", [this] { Exit2Click(); });

  Tool1 = MainMenu1->addItem("Tool");
  Download1 = Item(Tool1, "Download1", "Upload", [this] { Download1Click(); });
  for (int a = 1; a <= kUploadAddressCount; ++a) {
    forms::MenuItem* item = Item(Download1, "", QString::number(a));
    item->OnClick = [this, item] { N11Click(item); };
    UploadItems[a - 1] = item;
  }
  UploadItems[0]->setObjectName("N11");
  Calibration1 = Item(Tool1, "Calibration1", "Calibration");
  Start1 = Item(Calibration1, "Start1", "Start");
  Normal1 = Item(Start1, "Normal1", "Normal", [this] { Normal1Click(); });
  Fast1 = Item(Start1, "Fast1", "Fast", [this] { Fast1Click(); });
  Off1 = Item(Calibration1, "Off1", "Stop", [this] { Off1Click(); });
  PresetEQ1 = Item(Tool1, "PresetEQ1", "Preset EQ", [this] { PresetEQ1Click(); });
  Reset1 = Item(Tool1, "Reset1", "Reset", [this] { Reset1Click(); });
  SingleProject1 =
      Item(Tool1, "SingleProject1", "Single Project", [this] { SingleProject1Click(); });
  ProjectGroup1 = Item(Tool1, "ProjectGroup1", "Project Group", [this] { ProjectGroup1Click(); });

  Help1 = MainMenu1->addItem("Help");
  Content1 = Item(Help1, "Content1", "Content", [this] { Content1Click(); });
  About1 = Item(Help1, "About1", "About...", [this] { About1Click(); });
}

void TForm1::Download1Click() {
  SetUpUploadMenu();
}

void TForm1::OnUploadAddressMessage(std::int64_t lParam) {
  UploadAddressReceived = 1;
  UploadAddressValue = static_cast<std::int16_t>(lParam & 0xFFFF);
  SetUpUploadMenu();
}

void TForm1::SetUpUploadMenu() {
  if (UploadAddressReceived == 0) {
    for (forms::MenuItem* item : UploadItems) {
      item->setEnabled(true);
      item->setVisible(true);
    }
    ComboBox3->setItemIndex(0);
    return;
  }
  for (forms::MenuItem* item : UploadItems) {
    item->setEnabled(false);
    item->setVisible(false);
  }
  // An address outside 1..64 leaves no entry and no item chosen.
  ComboBox3->setItemIndex(UploadAddressValue - 1);
  if (UploadAddressValue >= 1 && UploadAddressValue <= kUploadAddressCount) {
    forms::MenuItem* item = UploadItems[UploadAddressValue - 1];
    item->setEnabled(true);
    item->setVisible(true);
  }
}

void TForm1::Dispatch(std::uint32_t message, std::uint64_t, std::int64_t lParam) {
  if (message == WM_UPLOADADDRESS) OnUploadAddressMessage(lParam);
}

}  // namespace calyxon
