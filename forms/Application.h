// The application's side of event handling: every handler of the kit runs through
// invokeHandler, which shows any exception that leaves it in the standard error box and
// lets the program go on, as the run time's application object does.
#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace forms {

class Form;

// Runs handler (nothing when it is empty). An exception that leaves it ends the handler
// there: a std::exception is shown by showException, anything else as "Unknown exception".
// Returns false when an exception was caught, true otherwise.
bool invokeHandler(const std::function<void()>& handler);

// The standard error box: an error box (DialogKind::Error, style MB_OK | MB_ICONSTOP)
// captioned with the application's title, whose text is the message, with a full stop
// added unless it already ends in punctuation ("'abc' is not a valid integer value."). A
// conversion error shows its whole message, whatever bytes the text it quotes held.
void showException(const std::exception& error);
void showErrorText(const QString& message);

// Handles every pending event (input, timers, paints) and returns; the long loops call it
// at every step so that clicks and repaints are handled while they run.
void processMessages();

// The application's title ("Vondrix"): the caption of ShowMessage boxes and of the
// standard error box; the application name until set. It is kept apart from Qt's
// application display name, which no program may set: the window system would append
// that name to every window title.
void setApplicationTitle(const QString& title);
QString applicationTitle();

// Makes form the main window: when it closes (and is not just refused), the application's
// event loop ends. Closing other windows never ends the program. nullptr clears it.
void setMainForm(Form* form);
Form* mainForm();

// Ends the event loop at its next turn, as the application's Terminate does.
void terminate();

}  // namespace forms
