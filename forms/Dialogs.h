// Message boxes and the seam that scripts them.
//
// ShowMessage and MessageBox show a real QMessageBox unless a DialogResponder is
// installed; then the responder sees every box (and every file dialog, see FileDialog.h)
// and gives its answer, so a test never blocks on a modal window.
#pragma once

#include <QString>
#include <optional>

namespace forms {

// Message box styles (combine one button set, one icon and one default button).
inline constexpr int MB_OK = 0x00;
inline constexpr int MB_OKCANCEL = 0x01;
inline constexpr int MB_ABORTRETRYIGNORE = 0x02;
inline constexpr int MB_YESNOCANCEL = 0x03;
inline constexpr int MB_YESNO = 0x04;
inline constexpr int MB_RETRYCANCEL = 0x05;
inline constexpr int MB_ICONSTOP = 0x10;
inline constexpr int MB_ICONERROR = 0x10;
inline constexpr int MB_ICONHAND = 0x10;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONEXCLAMATION = 0x30;
inline constexpr int MB_ICONWARNING = 0x30;
inline constexpr int MB_ICONINFORMATION = 0x40;
inline constexpr int MB_ICONASTERISK = 0x40;
inline constexpr int MB_DEFBUTTON1 = 0x000;
inline constexpr int MB_DEFBUTTON2 = 0x100;
inline constexpr int MB_DEFBUTTON3 = 0x200;

// Answers.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

enum class DialogKind {
  Message,     // ShowMessage
  MessageBox,  // MessageBox
  Error,       // the standard error box (Application.h)
  OpenFile,    // OpenDialog::Execute
  SaveFile,    // SaveDialog::Execute
};

// A message box as shown.
struct BoxRequest {
  DialogKind kind;
  QString text;
  QString caption;
  int style;
};

// A file dialog as shown: its settings at the moment of Execute.
struct FileRequest {
  DialogKind kind;
  QString title;
  QString filter;  // as the form writes it: "*.vxn|*.vxn"
  QString defaultExt;
  QString fileName;
  QString initialDir;
};

// Answers boxes and file dialogs in place of the user.
class DialogResponder {
 public:
  virtual ~DialogResponder() = default;
  // One of IDOK .. IDNO.
  virtual int answerBox(const BoxRequest& box) = 0;
  // The chosen path, or nothing for Cancel.
  virtual std::optional<QString> answerFile(const FileRequest& request) = 0;
  // A system beep in place of the sound (MessageBeep's type); nothing by default.
  virtual void beep(unsigned type) { (void)type; }
};

// Installs responder (not owned; nullptr restores the real dialogs); returns the previous.
DialogResponder* setDialogResponder(DialogResponder* responder);
DialogResponder* dialogResponder();

// A box with text, the application's title as caption and an OK button.
void ShowMessage(const QString& text);

// A box with text, caption and the buttons, icon and default button of style; returns the
// answer (IDOK, IDCANCEL, IDYES, ...). Closing the box with Escape answers Cancel where
// the box has a Cancel button (No for a Yes/No box).
int MessageBox(const QString& text, const QString& caption, int style);

// The system's beep of the given type (0 = the default sound); a responder hears it instead.
void MessageBeep(unsigned type);

// The box every kind goes through (BoxRequest.kind tells which); used by the functions
// above and by the standard error box.
int showBox(const BoxRequest& box);

// The answer of the default button of style: the first button of its set, or the second
// or third with MB_DEFBUTTON2 / MB_DEFBUTTON3.
int defaultAnswer(int style);

}  // namespace forms
