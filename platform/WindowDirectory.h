// Top-level windows that other programs can find by title and post messages to.
//
// A published window is a local socket in <runtime>/windows with a title file beside it
// (user-only access). Finding lists the live ones whose title matches exactly, oldest
// first, so the last match is the newest window. Posting sends one (message, wParam,
// lParam) triple and does not wait for the receiver. Entries that a crashed process left
// behind are removed once a connect to them fails.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace platform {

// How Vondrix and the designer find each other: the designer's main window carries this title,
// and Vondrix posts it WM_UPLOADADDRESS with the receiver's address in lParam.
inline constexpr char kDesignerTitle[] = "Calyxon";
inline constexpr uint32_t WM_UPLOADADDRESS = 0x8750;

// A window's entry in the directory; its address for posting.
struct WindowHandle {
  QString socketPath;
  QString title;
  bool operator==(const WindowHandle&) const = default;
};

// Held by a window for as long as it exists; received triples arrive as a signal through
// the event loop of the owning thread.
class WindowPublication : public QObject {
  Q_OBJECT
 public:
  explicit WindowPublication(const QString& title, QObject* parent = nullptr);
  ~WindowPublication() override;

  // Republishes under a new title (an empty title withdraws the entry).
  void setTitle(const QString& title);
  QString title() const { return title_; }
  WindowHandle handle() const { return {socketPath_, title_}; }

 signals:
  void messagePosted(uint32_t message, uint64_t wParam, int64_t lParam);

 private:
  void publish();
  void withdraw();
  void readFrom(QLocalSocket* socket);

  QString title_;
  QString socketPath_;
  QLocalServer* server_ = nullptr;
};

// The live windows titled exactly title (case-sensitive), oldest first. A window counts as
// live unless its socket refuses connections (a left-over of a program that ended, which is
// removed); a program too busy to take a connection for a moment still has its window.
std::vector<WindowHandle> findWindows(const QString& title);
// True while the window's entry is live.
bool isWindow(const WindowHandle& window);
// Sends the triple without waiting for it to be handled; false when the window is gone.
bool postMessage(const WindowHandle& window, uint32_t message, uint64_t wParam, int64_t lParam);

}  // namespace platform
