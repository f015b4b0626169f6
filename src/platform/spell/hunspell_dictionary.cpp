#include "platform/spell/hunspell_dictionary.h"

#include <hunspell.hxx>

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

#include "core/common/error.h"
#include "core/text/line_list.h"

namespace markloom {

namespace {

bool exists(const std::string& path) { return !path.empty() && QFileInfo(QFile::decodeName(path.c_str())).isFile(); }

std::string withExtension(const std::string& path, const char* ext) {
  const auto dot = path.rfind('.');
  const auto slash = path.find_last_of("/\\");
  const std::string base =
      dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(0, dot) : path;
  return base + ext;
}

// The installed English dictionaries, most common first.
const char* kInstalled[] = {"/usr/share/hunspell/en_US", "/usr/share/hunspell/en_GB", "/usr/share/myspell/dicts/en_US",
                            "/usr/share/hunspell/en_AU"};

}  // namespace

HunspellDictionary::HunspellDictionary(const SpellSetup& setup, TextCodec textCodec) : textCodec_(textCodec) {
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
  dictionaryEncoding_ = hunspell_->get_dict_encoding();
  dictionaryIsUtf8_ = dictionaryEncoding_ == "UTF-8";
  customPath_ = setup.customDictionary;
  if (exists(customPath_))
    for (const std::string& w : readLineList(customPath_))
      if (!w.empty()) hunspell_->add(w);
}

HunspellDictionary::~HunspellDictionary() = default;

// Words cross from the text's encoding to the dictionary's through UTF-8: the
// text side through the document's codec, the dictionary side as its affix
// file declares (ISO 8859-1 when Qt does not know the name).
std::string HunspellDictionary::toDictionary(std::string_view word) const {
  const bool textIsUtf8 = textCodec_.encoding() == TextEncoding::Utf8;
  if (textIsUtf8 && dictionaryIsUtf8_) return std::string(word);
  const std::string utf8 = textCodec_.decode(word);
  if (dictionaryIsUtf8_) return utf8;
  QStringEncoder encoder(dictionaryEncoding_.c_str());
  if (!encoder.isValid()) encoder = QStringEncoder(QStringConverter::Latin1);
  const QByteArray bytes = encoder.encode(QString::fromStdString(utf8));
  return bytes.toStdString();
}

std::string HunspellDictionary::fromDictionary(const std::string& word) const {
  const bool textIsUtf8 = textCodec_.encoding() == TextEncoding::Utf8;
  if (textIsUtf8 && dictionaryIsUtf8_) return word;
  std::string utf8 = word;
  if (!dictionaryIsUtf8_) {
    QStringDecoder decoder(dictionaryEncoding_.c_str());
    if (!decoder.isValid()) decoder = QStringDecoder(QStringConverter::Latin1);
    const QString text = decoder.decode(QByteArrayView(word.data(), static_cast<qsizetype>(word.size())));
    utf8 = text.toStdString();
  }
  return textCodec_.encode(utf8);
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
