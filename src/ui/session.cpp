// Scripted sessions.
#include "ui/session.h"

#include <charconv>
#include <string_view>

#include "text/utf.h"

namespace orva {

namespace {

using Kind = SessionCommand::Kind;

template <typename Number>
std::optional<Number> parseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct NamedKey {
  std::string_view name;
  uint32_t code;
};
constexpr NamedKey kKeys[] = {
    {"Up", VK_UP},     {"Down", VK_DOWN}, {"PageUp", VK_PRIOR}, {"PageDown", VK_NEXT}, {"Home", VK_HOME},
    {"End", VK_END},   {"Left", VK_LEFT}, {"Right", VK_RIGHT},  {"Enter", VK_RETURN},  {"Escape", VK_ESCAPE},
};

struct NamedRequest {
  std::string_view name;
  ScrollRequest request;
};
constexpr NamedRequest kRequests[] = {
    {"lineup", ScrollRequest::LineUp},     {"linedown", ScrollRequest::LineDown},
    {"pageup", ScrollRequest::PageUp},     {"pagedown", ScrollRequest::PageDown},
    {"top", ScrollRequest::Top},           {"bottom", ScrollRequest::Bottom},
    {"endscroll", ScrollRequest::EndScroll}, {"thumbtrack", ScrollRequest::ThumbTrack},
    {"thumbposition", ScrollRequest::ThumbPosition},
};

struct NamedCommand {
  std::string_view name;
  uint16_t id;
};
constexpr NamedCommand kCommands[] = {
    {"he-ru", IDM_HEBREW_RUSSIAN}, {"ru-he", IDM_RUSSIAN_HEBREW}, {"exit", IDM_EXIT},
    {"about", IDM_ABOUT},          {"help", IDM_USERS_GUIDE},     {"ok", IDOK},
};

SessionCommand parseLine(std::string_view line, int number) {
  const auto fail = [number](const std::string& message) { return SessionError{number, message}; };
  const size_t space = line.find(' ');
  const std::string_view word = line.substr(0, space);
  const std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
  SessionCommand command;
  command.line = number;
  const auto noArgument = [&] {
    if (!rest.empty()) throw fail(std::string(word) + " takes no argument");
  };

  if (word == "type") {
    const auto text = utf8ToUtf16(rest);
    if (!text) throw fail("the text is not valid UTF-8");
    if (text->empty()) throw fail("type needs the text to type");
    command.kind = Kind::Type;
    command.text = *text;
  } else if (word == "erase") {
    noArgument();
    command.kind = Kind::Erase;
  } else if (word == "key") {
    command.kind = Kind::Key;
    for (const NamedKey& key : kKeys)
      if (key.name == rest) command.key = key.code;
    if (command.key == 0) {
      const auto text = utf8ToUtf16(rest);
      const bool one = text && (text->size() == 1 || (text->size() == 2 && (*text)[0] >= 0xD800 && (*text)[0] < 0xDC00));
      if (!one) throw fail("unknown key \"" + std::string(rest) + "\"");
      command.text = *text;
    }
  } else if (word == "focus") {
    if (rest != "word" && rest != "list") throw fail("focus takes word or list");
    command.kind = Kind::Focus;
    command.flag = rest == "list";
  } else if (word == "tap") {
    const auto row = parseNumber<int32_t>(rest);
    if (!row || *row < 0) throw fail("tap takes a row number");
    command.kind = Kind::Tap;
    command.number = *row;
  } else if (word == "scroll") {
    const size_t gap = rest.find(' ');
    const std::string_view name = rest.substr(0, gap);
    const std::string_view position = gap == std::string_view::npos ? std::string_view() : rest.substr(gap + 1);
    bool known = false;
    for (const NamedRequest& request : kRequests)
      if (request.name == name) {
        command.request = request.request;
        known = true;
      }
    if (!known) throw fail("unknown scroll request \"" + std::string(name) + "\"");
    const bool thumb = command.request == ScrollRequest::ThumbTrack || command.request == ScrollRequest::ThumbPosition;
    if (thumb) {
      const auto pos = parseNumber<int32_t>(position);
      if (!pos) throw fail(std::string(name) + " takes a position");
      command.number = *pos;
    } else if (!position.empty()) {
      throw fail(std::string(name) + " takes no position");
    }
    command.kind = Kind::Scroll;
  } else if (word == "command") {
    command.kind = Kind::Command;
    bool known = false;
    for (const NamedCommand& named : kCommands)
      if (named.name == rest) {
        command.number = named.id;
        known = true;
      }
    if (!known) {
      const auto id = parseNumber<uint16_t>(rest);
      if (!id) throw fail("unknown command \"" + std::string(rest) + "\"");
      command.number = *id;
    }
  } else if (word == "keyboard") {
    if (rest != "up" && rest != "down") throw fail("keyboard takes up or down");
    command.kind = Kind::Keyboard;
    command.flag = rest == "up";
  } else if (word == "wait") {
    const auto ms = parseNumber<uint32_t>(rest);
    if (!ms) throw fail("wait takes milliseconds");
    command.kind = Kind::Wait;
    command.number = *ms;
  } else if (word == "close") {
    noArgument();
    command.kind = Kind::Close;
  } else if (word == "show") {
    noArgument();
    command.kind = Kind::Show;
  } else {
    throw fail("unknown command \"" + std::string(word) + "\"");
  }
  return command;
}

std::string escapePage(std::u16string_view page) {
  std::string out;
  for (char c : utf16ToUtf8(page)) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::vector<SessionCommand> parseSessionScript(std::istream& in) {
  std::vector<SessionCommand> commands;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    commands.push_back(parseLine(line, number));
  }
  return commands;
}

void runSessionScript(const std::vector<SessionCommand>& commands, MemoryPlatform& platform, std::ostream& out) {
  for (const SessionCommand& command : commands) {
    switch (command.kind) {
      case Kind::Type: platform.type(command.text); break;
      case Kind::Erase: platform.erase(); break;
      case Kind::Key:
        if (command.key == VK_RETURN) {
          platform.pressEnter();
        } else if (command.key == VK_ESCAPE) {
          platform.pressEscape();
        } else if (command.key != 0) {
          platform.pressKey(command.key);
        } else {
          platform.type(command.text);
        }
        break;
      case Kind::Focus:
        if (command.flag) {
          platform.focusList();
        } else {
          platform.focusWordBox();
        }
        break;
      case Kind::Tap: platform.tap(static_cast<int>(command.number)); break;
      case Kind::Scroll: platform.scroll(command.request, static_cast<int32_t>(command.number)); break;
      case Kind::Command: platform.command(static_cast<uint16_t>(command.number)); break;
      case Kind::Keyboard:
        if (command.flag) {
          platform.raiseKeyboard();
        } else {
          platform.lowerKeyboard();
        }
        break;
      case Kind::Wait: platform.wait(static_cast<uint64_t>(command.number)); break;
      case Kind::Close: platform.close(); break;
      case Kind::Show: out << formatSessionState(platform); break;
    }
  }
}

std::string formatSessionState(const MemoryPlatform& platform) {
  const MainDialog& dialog = platform.dialog();
  const MemoryList& list = platform.list();
  std::string out;
  out += "direction: " + std::string(directionName(dialog.direction())) + "\n";
  const WindowState state = platform.frame().state();
  out += std::string("window: ") +
         (state == WindowState::Normal ? "normal" : state == WindowState::Minimised ? "minimised" : "closed") + "\n";
  const Focus focus = platform.focus();
  out += std::string("focus: ") + (focus == Focus::WordBox ? "word" : focus == Focus::List ? "list" : "none") + "\n";
  out += "word: " + utf16ToUtf8(platform.wordBox().text()) + "\n";
  out += "selection: " + std::to_string(platform.wordBox().selectionStart()) + " " +
         std::to_string(platform.wordBox().selectionEnd()) + "\n";
  out += std::string("wordEditActive: ") + (dialog.wordEditActive() ? "1" : "0") + "\n";
  const ScrollInfo info = list.scrollInfo();
  out += "list: entries=" + std::to_string(dialog.headwordList().entryCount()) + " rows=" + std::to_string(list.rows()) +
         " top=" + std::to_string(info.pos) + " selected=" + std::to_string(list.selection()) + "\n";
  for (int r = 0; r < list.rows(); ++r)
    out += "row " + std::to_string(r) + ": " + std::to_string(list.itemData(r)) + " " +
           utf16ToUtf8(list.painted()[static_cast<size_t>(r)].text) + "\n";
  const auto buttonState = [&](uint16_t id) { return platform.menuBar().isPressed(id) ? "pressed" : "released"; };
  out += "buttons: 32799=" + std::string(buttonState(IDM_HEBREW_RUSSIAN)) +
         " 32800=" + std::string(buttonState(IDM_RUSSIAN_HEBREW)) + "\n";
  out += "timers:";
  for (const auto& [id, period] : platform.timers().running())
    out += " " + std::to_string(id) + "@" + std::to_string(period);
  out += "\n";
  out += "page: " + escapePage(platform.frame().viewer().page()) + "\n";
  const auto& messages = platform.frame().messages();
  out += "messages: " + std::to_string(messages.size()) + "\n";
  for (const MemoryMessage& message : messages)
    out += "message: " + utf16ToUtf8(message.caption) + " | " + utf16ToUtf8(message.text) + "\n";
  return out;
}

}  // namespace orva
