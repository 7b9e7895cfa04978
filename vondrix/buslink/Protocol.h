// The receivers' command lines and the checks applied to their replies.
//
// Every line is ASCII and ends with CR. Requests: lead ("#" set/command, "%" query) + the
// two-digit address + command letters + fixed-width arguments. Replies: a lead character,
// the address echo at characters 2-3, fixed-width payload fields from character 4. Fields
// are cut by 1-based position; hexadecimal fields are read as "0x" + field, leniently (a
// default for text that is not a number) or strictly (the run time's conversion error).
#pragma once

#include <string>

namespace vondrix::protocol {

constexpr char CR = '\r';

// Address of probe number i (1..64): always two decimal digits, "01".."64".
std::string Address(int i);

// Request lines, exactly as they go out. a = the two-digit address.
std::string QuitAll();                    // "#00A0\r"
std::string Probe(const std::string& a);  // "#aaA1\r"
std::string Query(const std::string& a,
                  char cmd);  // "%aa" cmd "\r" (A, N, B, C, D, E, G, H, I, J, O)
std::string Mute(const std::string& a,
                 const std::string& v);  // "#aaB" v "\r", v "1" mute, "0" unmute
std::string SetName(const std::string& a, const std::string& name);  // padded to 6 with blanks
// "%aaF" + the level held + "\r". The level goes out as held when it is at most two
// hexadecimal digits (none included); any other text (reply bytes cut short, a CR among them)
// would go out inside the line, and kSquelchQueryFallback goes in its place.
constexpr const char* kSquelchQueryFallback = "01";
std::string SquelchQuery(const std::string& a, const std::string& level);
std::string Diversity(const std::string& a);  // "#aaR0\r"
// "#aa" + letters + "\r": the set commands the detail windows build (Q1, R2, G03, ...).
std::string Command(const std::string& a, const std::string& letters);

// Group, channel and frequency
std::string Tune(const std::string& a, const std::string& code);  // "#aaK" ffff "\r"
std::string SetGroupChannel(const std::string& a, const std::string& group,
                            const std::string& channel);  // "#aaD" G C "\r"
// Squelch
std::string SetSquelch(const std::string& a, const std::string& level);  // "#aaF" ss "\r"

// Reply checks of the command table. An empty reply never passes.
bool EchoMatches(const std::string& reply, const std::string& a);  // characters 2-3 = a
bool ExactAck(const std::string& reply, const std::string& a);     // "$" a CR
bool LengthIs4(const std::string& reply);                          // frequency set ack
bool EchoAnd12(const std::string& reply, const std::string& a);    // detail status reply

// 0-9, A-F or a-f, whatever the locale.
bool IsHexDigit(char c);

// Characters index..index+count-1 of text (1-based); shorter or empty past the end.
std::string Field(const std::string& text, int index, int count);
// "0x" + field as an integer, or def when that is not a number (a missing field included).
int HexOr(const std::string& field, int def);
// "0x" + field as an integer; throws the run time's conversion error otherwise.
int HexStrict(const std::string& field);

// Firmware number: the first three characters of the version text as a decimal number
// ("1.4A" gives 1.4); throws the conversion error for text that is not a number.
double FirmwareNumber(const std::string& firmwareVersion);

// The two layouts of the group-and-channel reply, told apart by length (CR included):
// short (6: group character, channel character) and wide (8: 2 + 2 hex digits).
// A reply shorter than the short layout is not valid.
struct GroupChannel {
  bool valid = false;
  std::string
      group;  // one character: the short form's as received, the wide form's as one hex digit
  std::string channel;  // one upper-case hex digit ("A" for 10); "@" in the short form gives "10"
};
GroupChannel ParseGroupChannel(const std::string& reply);

}  // namespace vondrix::protocol
