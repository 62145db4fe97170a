// The synthetic source generator.
#include "tools/synthetic_source.h"

#include <array>
#include <vector>

#include "text/utf.h"

namespace orva {

namespace {

// splitmix64: small, fast and the same on every platform (the standard
// distributions are not).
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, n).
  uint32_t below(uint32_t n) { return static_cast<uint32_t>(((next() >> 32) * n) >> 32); }
  // True `percent` times in a hundred.
  bool chance(uint32_t percent) { return below(100) < percent; }

 private:
  uint64_t state_;
};

struct Weighted {
  std::u16string_view text;
  uint32_t weight;
};

template <size_t N>
std::u16string_view pick(Random& random, const std::array<Weighted, N>& table) {
  uint32_t total = 0;
  for (const auto& w : table) total += w.weight;
  uint32_t at = random.below(total);
  for (const auto& w : table) {
    if (at < w.weight) return w.text;
    at -= w.weight;
  }
  return table.back().text;
}

template <typename T, size_t N>
const T& oneOf(Random& random, const std::array<T, N>& items) {
  return items[random.below(N)];
}

// Letter frequencies per thousand letters of running text.
constexpr std::array<Weighted, 21> kRussianConsonants{{
    {u"н", 67}, {u"т", 63}, {u"с", 55}, {u"р", 47}, {u"в", 45}, {u"л", 44}, {u"к", 35},
    {u"м", 32}, {u"д", 30}, {u"п", 28}, {u"г", 17}, {u"з", 17}, {u"б", 16}, {u"ч", 14},
    {u"х", 10}, {u"ж", 9},  {u"ш", 7},  {u"ц", 5},  {u"щ", 4},  {u"ф", 3},  {u"ст", 12},
}};
constexpr std::array<Weighted, 9> kRussianVowels{{
    {u"о", 110}, {u"е", 85}, {u"а", 80}, {u"и", 74}, {u"у", 26}, {u"я", 20}, {u"ы", 19}, {u"ю", 6}, {u"э", 3},
}};
constexpr std::array<std::u16string_view, 19> kRussianPrefixes{
    u"по", u"при", u"пере", u"за", u"на", u"вы", u"от", u"под", u"раз", u"рас",
    u"у",  u"о",   u"с",    u"до", u"про", u"вз", u"об", u"из",  u"не"};

constexpr std::array<Weighted, 22> kHebrewRootLetters{{
    {u"ל", 70}, {u"מ", 60}, {u"ר", 55}, {u"ב", 45}, {u"ש", 43}, {u"ת", 40}, {u"נ", 40}, {u"כ", 25},
    {u"ד", 25}, {u"ע", 30}, {u"ח", 20}, {u"ק", 20}, {u"פ", 17}, {u"ג", 13}, {u"ס", 10}, {u"ז", 8},
    {u"צ", 10}, {u"ט", 12}, {u"א", 30}, {u"ה", 20}, {u"ו", 8},  {u"י", 15},
}};

// Final forms of the five letters that have one.
std::u16string withFinalLetter(std::u16string word) {
  if (word.empty()) return word;
  char16_t& last = word.back();
  switch (last) {
    case u'כ': last = u'ך'; break;
    case u'מ': last = u'ם'; break;
    case u'נ': last = u'ן'; break;
    case u'פ': last = u'ף'; break;
    case u'צ': last = u'ץ'; break;
    default: break;
  }
  return word;
}

std::u16string russianStem(Random& random) {
  static constexpr std::array<uint32_t, 3> kSyllableWeights{30, 50, 20};
  uint32_t at = random.below(100);
  int syllables = 1;
  for (uint32_t w : kSyllableWeights) {
    if (at < w) break;
    at -= w;
    ++syllables;
  }
  std::u16string stem;
  for (int i = 0; i < syllables; ++i) {
    stem += pick(random, kRussianConsonants);
    if (random.chance(12)) stem += random.chance(50) ? u"р" : u"л";
    stem += pick(random, kRussianVowels);
    if (random.chance(30)) stem += pick(random, kRussianConsonants);
  }
  // Stems end in a consonant, so that endings attach to it.
  const std::u16string_view vowels = u"оеаиуяыюэ";
  if (vowels.find(stem.back()) != std::u16string_view::npos) stem += pick(random, kRussianConsonants);
  return stem;
}

std::u16string russianWord(Random& random) {
  std::u16string word;
  if (random.chance(35)) word += oneOf(random, kRussianPrefixes);
  word += russianStem(random);
  static constexpr std::array<std::u16string_view, 12> kEndings{
      u"", u"а", u"о", u"ие", u"ость", u"ение", u"ка", u"ник", u"ать", u"ить", u"ный", u"ский"};
  word += oneOf(random, kEndings);
  return word;
}

std::u16string hebrewWord(Random& random) {
  std::u16string root;
  for (int i = 0; i < 3; ++i) root += pick(random, kHebrewRootLetters);
  static constexpr std::array<std::u16string_view, 8> kPatterns{u"123", u"12ו3", u"1י2ו3", u"מ123",
                                                                 u"ת12ו3ה", u"123ה", u"12י3ה", u"123ון"};
  std::u16string word;
  for (char16_t c : oneOf(random, kPatterns)) word += c >= u'1' && c <= u'3' ? root[c - u'1'] : c;
  return withFinalLetter(word);
}

template <typename MakeWord>
std::u16string translation(Random& random, MakeWord makeWord) {
  std::u16string text = makeWord(random);
  const uint32_t extra = random.below(3);
  for (uint32_t i = 0; i < extra; ++i) text += (random.chance(50) ? u"; " : u", ") + makeWord(random);
  return text;
}

// One entry of the source being written.
struct Entry {
  uint32_t form = 0;
  std::u16string headword, display, translation, russian;
  std::string number, gender;
  bool construct = false;
};

// The stressed vowel of a Russian word highlighted: "кн|и|га".
std::u16string stressed(Random& random, const std::u16string& word) {
  const std::u16string_view vowels = u"оеаиуяыюэ";
  std::vector<size_t> at;
  for (size_t i = 0; i < word.size(); ++i)
    if (vowels.find(word[i]) != std::u16string_view::npos) at.push_back(i);
  if (at.empty()) return {};
  const size_t i = at[random.below(static_cast<uint32_t>(at.size()))];
  return word.substr(0, i) + u"|" + word[i] + u"|" + word.substr(i + 1);
}

// A Russian lemma and its forms.
std::vector<Entry> russianGroup(Random& random) {
  std::u16string stem;
  if (random.chance(35)) stem += oneOf(random, kRussianPrefixes);
  stem += russianStem(random);
  const auto hebrew = [](Random& r) { return hebrewWord(r); };
  std::vector<Entry> group;
  const auto add = [&](uint32_t form, std::u16string headword) {
    Entry e;
    e.form = form;
    e.headword = std::move(headword);
    if (random.chance(60)) e.display = stressed(random, e.headword);
    e.translation = translation(random, hebrew);
    if (random.chance(10)) {
      e.russian = u"(";
      e.russian += russianWord(random);
      e.russian += u')';
    }
    group.push_back(std::move(e));
  };
  switch (random.below(10)) {
    case 0: case 1: case 2: {  // a verb and some of its forms
      static constexpr std::array<std::u16string_view, 4> kInfinitives{u"ать", u"ить", u"еть", u"овать"};
      const std::u16string_view suffix = oneOf(random, kInfinitives);
      add(1, stem + std::u16string(suffix));
      const std::u16string base = stem + std::u16string(suffix.substr(0, suffix.size() - 2));
      static constexpr std::array<std::u16string_view, 7> kForms{u"ю", u"ешь", u"ет", u"л", u"ла", u"ли", u"ние"};
      uint32_t form = 2;
      for (const auto& tail : kForms)
        if (random.chance(45)) add(form++, base + std::u16string(tail));
      break;
    }
    case 3: case 4: {  // an adjective
      static constexpr std::array<std::u16string_view, 3> kAdjectives{u"ный", u"ский", u"ой"};
      const std::u16string_view suffix = oneOf(random, kAdjectives);
      add(1, stem + std::u16string(suffix));
      const std::u16string base = stem + std::u16string(suffix.substr(0, suffix.size() - 2));
      add(2, base + u"ая");
      add(3, base + u"ое");
      if (random.chance(50)) add(4, base + u"ые");
      break;
    }
    default: {  // a noun, its plural and a derived word
      static constexpr std::array<std::u16string_view, 8> kNouns{u"", u"а", u"о", u"ие", u"ость", u"ение", u"ка", u"ник"};
      static constexpr std::array<std::u16string_view, 8> kPlurals{u"ы", u"ы", u"а", u"ия", u"ости", u"ения", u"ки", u"ники"};
      const uint32_t kind = random.below(static_cast<uint32_t>(kNouns.size()));
      std::u16string lemma = stem + std::u16string(kNouns[kind]);
      if (random.chance(2)) lemma[0] = static_cast<char16_t>(lemma[0] - 0x20);  // a name
      add(1, lemma);
      group.back().number = "sg";
      group.back().gender = kind == 1 || kind == 4 || kind == 6 ? "f" : "m";
      if (random.chance(70)) {
        add(401, stem + std::u16string(kPlurals[kind]));
        group.back().number = "pl";
      }
      if (random.chance(25)) add(2, stem + u"ный");
      break;
    }
  }
  return group;
}

// A Hebrew root with a verb and its conjugation, or a noun and its plural.
std::vector<Entry> hebrewGroup(Random& random) {
  std::u16string r;
  for (int i = 0; i < 3; ++i) r += pick(random, kHebrewRootLetters);
  const auto russian = [](Random& rnd) { return russianWord(rnd); };
  std::vector<Entry> group;
  const auto add = [&](uint32_t form, const std::u16string& headword, bool translated) {
    Entry e;
    e.form = form;
    e.headword = withFinalLetter(headword);
    if (translated) e.russian = translation(random, russian);
    group.push_back(std::move(e));
  };
  const std::u16string c1(1, r[0]), c2(1, r[1]), c3(1, r[2]);
  if (random.chance(40)) {
    const bool causative = random.chance(30);  // the hif'il pattern
    const std::u16string past = causative ? u"ה" + c1 + c2 + u"י" + c3 : r;
    const std::u16string future = causative ? c1 + c2 + u"י" + c3 : c1 + c2 + u"ו" + c3;
    const std::u16string short_ = causative ? c1 + c2 + u"י" + c3 : r;
    const std::u16string present = causative ? u"מ" + c1 + c2 + u"י" + c3 : c1 + u"ו" + c2 + c3;
    add(1, past, true);
    if (random.chance(60)) group.back().display = u"־" + group.back().headword + u"־";
    const std::pair<uint32_t, std::u16string> forms[] = {
        {500, (causative ? u"לה" : u"ל") + future}, {501, past + u"תי"},   {502, past + u"ת"},
        {505, past + u"ה"},                          {506, past + u"נו"},   {507, past + u"תם"},
        {508, past + u"תן"},                         {509, past + u"ו"},    {511, u"א" + future},
        {512, u"ת" + future},                        {513, u"ת" + short_ + u"י"}, {514, u"י" + future},
        {516, u"נ" + future},                        {517, u"ת" + short_ + u"ו"}, {519, u"י" + short_ + u"ו"},
        {521, present},                              {522, present + u"ת"}, {523, present + u"ים"},
        {524, present + u"ות"},                      {531, future},         {532, short_ + u"י"},
        {533, short_ + u"ו"},
    };
    for (const auto& [form, word] : forms)
      if (random.chance(75)) add(form, word, false);
    if (random.chance(50)) add(2, u"מ" + r, true);
    if (random.chance(35)) add(3, c1 + c2 + u"י" + c3 + u"ה", true);
  } else {
    static constexpr std::array<std::u16string_view, 6> kPatterns{u"12ו3", u"1י2ו3", u"מ123", u"123ה", u"12י3ה", u"123ון"};
    std::u16string lemma;
    for (char16_t c : oneOf(random, kPatterns)) lemma += c >= u'1' && c <= u'3' ? r[c - u'1'] : c;
    const bool feminine = lemma.back() == u'ה';
    add(1, lemma, true);
    group.back().number = "sg";
    group.back().gender = feminine ? "f" : "m";
    if (random.chance(75)) {
      const std::u16string stem = feminine ? lemma.substr(0, lemma.size() - 1) : lemma;
      add(401, stem + (feminine ? u"ות" : u"ים"), false);
      group.back().number = "pl";
      group.back().gender = feminine ? "f" : "m";
      if (random.chance(40)) {
        add(601, stem + (feminine ? u"ות" : u"י"), false);
        group.back().number = "pl";
        group.back().construct = true;
      }
    }
    if (random.chance(30)) add(2, lemma + u"י", true);
  }
  return group;
}

void writeEntry(std::string& out, uint32_t group, const Entry& e, Direction direction) {
  out += "\nentry " + std::to_string(group) + " " + std::to_string(e.form) + "\n";
  out += "headword " + utf16ToUtf8(e.headword) + "\n";
  if (!e.display.empty()) out += "display " + utf16ToUtf8(e.display) + "\n";
  if (direction == Direction::RussianHebrew && !e.translation.empty())
    out += "translation " + utf16ToUtf8(e.translation) + "\n";
  if (!e.russian.empty()) out += "russian " + utf16ToUtf8(e.russian) + "\n";
  if (!e.number.empty()) out += "number " + e.number + "\n";
  if (!e.gender.empty()) out += "gender " + e.gender + "\n";
  if (e.construct) out += "construct yes\n";
}

}  // namespace

void generateSource(Direction direction, uint32_t entries, uint64_t seed,
                    const std::function<void(std::string_view)>& sink) {
  Random random(seed * 2 + static_cast<uint64_t>(direction));
  std::string out = "# A synthetic dictionary: " + std::to_string(entries) + " entries, seed " +
                    std::to_string(seed) + ".\ndirection " + std::string(directionName(direction)) + "\n";
  uint32_t written = 0;
  for (uint32_t group = 1; written < entries; ++group) {
    const std::vector<Entry> forms =
        direction == Direction::RussianHebrew ? russianGroup(random) : hebrewGroup(random);
    for (const Entry& e : forms) {
      if (written == entries) break;
      writeEntry(out, group, e, direction);
      ++written;
    }
    if (out.size() >= (1u << 16)) {
      sink(out);
      out.clear();
    }
  }
  sink(out);
}

std::string generateSource(Direction direction, uint32_t entries, uint64_t seed) {
  std::string text;
  generateSource(direction, entries, seed, [&](std::string_view piece) { text += piece; });
  return text;
}

}  // namespace orva
