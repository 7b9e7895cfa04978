// Name, mute and TV channel of the twin windows.
#include "runtime/Convert.h"
#include "vondrix/detail/DetailWindow.h"
#include "vondrix/detail/MhzText.h"
#include "vondrix/detail/TvChannel.h"
#include "vondrix/network/MainScreen.h"
#include "vondrix/network/Program.h"

namespace vondrix {

namespace {

constexpr int kNameLength = 6;

bool NameKeyPasses(char16_t key) {
  return (key >= u'A' && key <= u'Z') || (key >= u'0' && key <= u'9') || key == u' ' ||
         key == u'*' || key == u'+' || key == u'-' || key == u'/' || key == 8 || key == u'\r';
}

}  // namespace

void DetailWindow::NameKeyPress(char16_t& key) {
  if (key >= u'a' && key <= u'z') key = char16_t(key - u'a' + u'A');
  if (!NameKeyPasses(key)) {
    key = 0;
    return;
  }
  if (key != u'\r') return;
  // What a paste put in passes the same filter as typing, so the line stays one line.
  std::string name;
  for (QChar c : roles_.nameEdit->text()) {
    char16_t k = c.unicode();
    if (k >= u'a' && k <= u'z') k = char16_t(k - u'a' + u'A');
    if (NameKeyPasses(k) && k >= u' ' && static_cast<int>(name.size()) < kNameLength)
      name += char(k);
  }
  name.append(kNameLength - name.size(), ' ');
  program_.Current.CurrentName = name;
  roles_.nameEdit->setText(QString::fromLatin1(name));
  SendName();
  queries().QueryName(slot_);
}

void DetailWindow::SendName() {
  if (link_.SendName(Address()) == DetailLink::NameWrite::Refused)
    roles_.nameEdit->setText(" Orsek");
}

void DetailWindow::ToggleMute() {
  queries().ToggleMute(slot_);
}

void DetailWindow::ShowTvChannel() {
  float f = 0;
  try {
    f = MhzValue(roles_.frequency.text());
  } catch (const runtime::ConversionError&) {
    roles_.tv.setText("");  // no frequency, no channel; a typing slip is no error
    return;
  }
  const TvChannelText channel = TvChannelOf(f, program_.TvRegion);
  if (!channel.unchanged) roles_.tv.setText(QString::fromStdString(channel.text));
}

}  // namespace vondrix
