#include "platform/spell/hunspell_dictionary.h"

#include <hunspell.hxx>

#include <QFile>
#include <QFileInfo>
#include <QString>

#include "core/common/error.h"
#include "core/text/line_list.h"

namespace markloom {

namespace {

bool exists(const std::string& path) { return !path.empty() && QFileInfo(QFile::decodeName(path.c_str())).isFile(); }

std::string withExtension(const std::string& path, const char* ext) {
  const auto dot = path.rfind('.');
  const auto slash = path.find_last_of("/\\");
  const std::string base = dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(0, dot) : path;
  return base + ext;
}

// The installed English dictionaries, most common first.
const char* kInstalled[] = {"/usr/share/hunspell/en_US", "/usr/share/hunspell/en_GB",
                            "/usr/share/myspell/dicts/en_US", "/usr/share/hunspell/en_AU"};

}  // namespace

HunspellDictionary::HunspellDictionary(const SpellSetup& setup, bool textIsUtf8) : textIsUtf8_(textIsUtf8) {
  std::string aff, dic;
  if (exists(setup.mainDictionary) && exists(withExtension(setup.mainDictionary, ".aff"))) {
    dic = setup.mainDictionary;
    aff = withExtension(setup.mainDictionary, ".aff");
  } else {
    for (const char* base : kInstalled) {
      if (exists(std::string(base) + ".dic") && exists(std::string(base) + ".aff")) {
        dic = std::string(base) + ".dic";
        aff = std::string(base) + ".aff";
        break;
      }
    }
  }
  if (dic.empty()) throw cannotOpenFile(setup.mainDictionary);
  dicPath_ = dic;
  hunspell_ = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
  dictionaryIsUtf8_ = hunspell_->get_dict_encoding() == "UTF-8";
  customPath_ = setup.customDictionary;
  if (exists(customPath_))
    for (const std::string& w : readLineList(customPath_))
      if (!w.empty()) hunspell_->add(w);
}

HunspellDictionary::~HunspellDictionary() = default;

std::string HunspellDictionary::toDictionary(std::string_view word) const {
  if (textIsUtf8_ == dictionaryIsUtf8_) return std::string(word);
  const QByteArray bytes(word.data(), static_cast<qsizetype>(word.size()));
  return textIsUtf8_ ? QString::fromUtf8(bytes).toLatin1().toStdString()
                     : QString::fromLatin1(bytes).toUtf8().toStdString();
}

std::string HunspellDictionary::fromDictionary(const std::string& word) const {
  if (textIsUtf8_ == dictionaryIsUtf8_) return word;
  const QByteArray bytes = QByteArray::fromStdString(word);
  return textIsUtf8_ ? QString::fromLatin1(bytes).toUtf8().toStdString()
                     : QString::fromUtf8(bytes).toLatin1().toStdString();
}

bool HunspellDictionary::isCorrect(std::string_view word) { return hunspell_->spell(toDictionary(word)); }

std::vector<std::string> HunspellDictionary::suggest(std::string_view word) {
  std::vector<std::string> out;
  for (const auto& s : hunspell_->suggest(toDictionary(word))) out.push_back(fromDictionary(s));
  return out;
}

void HunspellDictionary::addWord(const std::string& word) {
  const std::string w = toDictionary(word);
  hunspell_->add(w);
  if (customPath_.empty()) return;
  std::vector<std::string> words;
  if (exists(customPath_)) words = readLineList(customPath_);
  words.push_back(w);
  writeLineList(customPath_, words);  // raises cannotCreateFile; the word stays known for this check
}

}  // namespace markloom
