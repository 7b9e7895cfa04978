// The operator script that calyxon-drive performs: one action a line.
//
//   # a comment; blank lines are skipped
//   answer-dialog /tmp/target.dat     the next file dialog chooses this path ("cancel": Cancel)
//   answer-box Cancel                 the next message box answers with this button
//   menu File>Load Target Mic File    opens the menus with mouse clicks and clicks the entry;
//                                     an entry that downloads (menu Tool>Upload>7) ends when
//                                     the download has ended
//   type Edit6 1.2                    selects the edit's text and types over it
//   key Edit6 Enter                   one key (Enter, Escape, Backspace, Tab or a character)
//   click RadioButton3                a mouse click on the control
//   key FcBar Right                   keys move a track bar too (Left, Right, Up, Down, Home,
//                                     End, PageUp, PageDown)
//   invoke Button15                   what the window hides from the operator: the button's or
//                                     menu entry's click (the hidden pages' buttons, the hidden
//                                     "Save Curve" entries such as SaveTarget1)
//   post-message 0x8750 12            posts (message, lParam) to the window titled "Calyxon"
//                                     through the window directory and waits until it is handled
//   wait-idle                         until no fit is running
//   wait 2100                         lets the window run for this many milliseconds
//   close                             the window's close box (the program ends once a
//                                     running fit has stopped)
//   expect-status  Calibration Done !!   the status line's text
//   expect Edit5 6                    a control's text (caption, position, "checked"/"unchecked")
//   expect-box Pls Open File of Target Mic First !!   the last message box's text
//   write-bands /tmp/bands.json       Fc, BW and Gain of the 32 bands, 17 significant digits
//   write-curves /tmp/curves.json     the grid and its curves (GridFrequency, TargetCurve,
//                                     SourceCurve, ErrorCurve, ResidualCurve, BandSumCurve,
//                                     TotalCurve) over GridCount points, likewise
//   write-coefficients /tmp/coef.json the last download's table: {"coefficients": 32 rows of
//                                     b0, b1, b2, -a1, -a2 in Q2.29}
//   write-status-texts /tmp/st.json   every status text shown since the start, in order:
//                                     {"statusTexts": ["Search COM1.\n", ...]}
//
// A script passes (exit code 0) only when every line has been performed. The window may close
// on the last line (close, menu File>Exit); a window that is gone while lines remain, by the
// script's doing or the program's, fails the script (exit code 2) with a message that names
// the first line not performed: "calyxon-drive: line 7 (expect): not performed: the window
// closed before this line".
//
// The serial ports are the port directory's: a [Ports] section in
// $XDG_CONFIG_HOME/Orsek/SerialPorts.ini names them (COM1=/path/to/device).
//
// A verb and its first argument are separated by one blank; the last argument is the rest of
// the line as it stands, blanks included, with "\n" read as a line end and "\\" as "\".
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace calyxon::drive {

struct Command {
  int line = 0;  // 1-based line in the script
  QString verb;
  QStringList args;
};

// The commands of a script's text; nothing and a message naming the line when a line has an
// unknown verb or too few arguments.
std::optional<std::vector<Command>> ParseScript(const QString& text, QString* error);

}  // namespace calyxon::drive
