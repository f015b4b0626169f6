#include "core/highlighting/syntax_scheme.h"

#include <algorithm>
#include <sstream>

namespace markloom {

namespace {

constexpr std::uint32_t kBlack = 0x000000, kNavy = 0x000080, kTeal = 0x008080, kGrey = 0x808080, kGreen = 0x008000,
                        kMaroon = 0x800000, kBlue = 0x0000FF, kAqua = 0x00FFFF, kYellow = 0xFFFF00;

std::vector<std::string> splitKeywords(const std::string& list) {
  std::vector<std::string> out;
  std::stringstream in(list);
  std::string word;
  while (std::getline(in, word, ',')) out.push_back(word);
  return out;
}

void setStyles(SchemeBlock& b, std::uint32_t text, TokenStyle comment) {
  b.styles[static_cast<int>(TokenClass::Text)] = {text};
  b.styles[static_cast<int>(TokenClass::Comment)] = comment;
  b.styles[static_cast<int>(TokenClass::String)] = {kMaroon};
  b.styles[static_cast<int>(TokenClass::Number)] = {kBlue};
  b.styles[static_cast<int>(TokenClass::Keyword)] = {kBlack, true, false};
  b.styles[static_cast<int>(TokenClass::Identifier)] = {text};
  b.styles[static_cast<int>(TokenClass::Delimiter)] = {text};
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string s) {
  for (char& c : s) c = lower(c);
  return s;
}

bool isWordChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
}
bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool isLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// State layout: bits 0-3 block, 4-5 mode, 6-8 comment pair, then 4 bits of
// delimiter pair for each nesting depth from 1.
constexpr int kModeNormal = 0, kModeComment = 1;
int blockOf(int s) { return s & 0xF; }
int modeOf(int s) { return (s >> 4) & 0x3; }
int commentOf(int s) { return (s >> 6) & 0x7; }
int pairAt(int s, int depth) { return depth < 1 ? 0 : (s >> (9 + 4 * (depth - 1))) & 0xF; }
int withPair(int s, int depth, int pair) {
  const int shift = 9 + 4 * (depth - 1);
  return (s & ~(0xF << shift)) | ((pair & 0xF) << shift);
}
int withBlock(int s, int block) { return (s & ~0xF) | block; }
int withMode(int s, int mode, int comment) { return (s & ~(0x3 << 4) & ~(0x7 << 6)) | (mode << 4) | (comment << 6); }

}  // namespace

SyntaxScheme defaultScheme() {
  SyntaxScheme s;
  s.name = "Default";
  const TokenStyle greenItalic{kGreen, false, true};

  SchemeBlock def;
  def.name = "Default";
  def.blockComments = {{"<!--", "-->"}};
  setStyles(def, kBlack, greenItalic);

  SchemeBlock html;
  html.name = "HTML";
  html.parent = 0;
  // An XML declaration (WML, XHTML pages) is markup, not the PHP that "<?"
  // opens: the longer opener is tried first.
  html.delimiters = {{"<", ">"}, {"<?xml", "?>"}};
  html.blockComments = {{"<!--", "-->"}};
  html.quotes = "\"'";
  html.numbers = true;
  html.numberPrefixes = {"#"};
  html.identifierPrefixes = {"/"};
  setStyles(html, kNavy, greenItalic);

  SchemeBlock asp;
  asp.name = "ASP";
  asp.parent = 0;
  asp.delimiters = {{"<%", "%>"}};
  asp.lineComments = {"rem", "'"};
  asp.quotes = "\"";
  asp.numbers = true;
  asp.keywordSetName = "reserved";
  asp.keywords = splitKeywords(
      "And,As,Attribute,Base,ByVal,Call,Case,Compare,Const,Date,Declare,Dim,Do,Each,Else,Elseif,Empty,end,Error,"
      "Exit,Explicit,False,For,friend,Function,get,If,Is,let,Loop,Mod,Next,Not,Nothing,Null,On,Option,Or,Private,"
      "property,Public,ReDim,Rem,Select,Set,String,Sub,Then,To,True,Type,Wend,While,Xor");
  setStyles(asp, kBlack, greenItalic);
  asp.background = kAqua;

  SchemeBlock php;
  php.name = "PHP";
  php.parent = 0;
  php.delimiters = {{"<?", "?>"},
                    {"<script language=\"php\">", "</script>"},
                    {"<script language=\"php\" type=\"text/php\">", "</script>"}};
  php.lineComments = {"//", "#"};
  php.blockComments = {{"/*", "*/"}};
  php.quotes = "\"'`";
  php.escape = "\\";
  php.numbers = true;
  php.numberPrefixes = {"0x"};
  php.keywordSetName = "keywords";
  php.keywords = splitKeywords(
      "break,case,class,continue,default,do,else,elseif,endfor,endif,endswitch,endwhile,extends,for,function,"
      "global,if,int,old_function,pval,return,static,string,switch,var,void,while");
  php.caseSensitive = true;
  php.lineContinuation = "\\";
  setStyles(php, kBlack, TokenStyle{kTeal, false, false});
  php.background = kYellow;

  SchemeBlock js;
  js.name = "JS";
  js.parent = 0;
  for (const char* open :
       {"<script language=\"javascript\">", "<script language=\"javascript\" type=\"text/javascript\">",
        "<script language=\"jscript\">", "<script language=\"javascript1.1\">",
        "<script language=\"javascript1.1\" type=\"text/javascript\">", "<script language=\"javascript1.2\">",
        "<script language=\"javascript1.2\" type=\"text/javascript\">"})
    js.delimiters.emplace_back(open, "</script>");
  // Today's pages leave the language out or give a type ("text/javascript",
  // "module"): every other script element is JavaScript too. The PHP forms are
  // longer, so they are tried first.
  js.delimiters.emplace_back("<script*>", "</script>");
  js.lineComments = {"//"};
  js.blockComments = {{"/*", "*/"}};
  js.quotes = "'\"";
  js.escape = "\\";
  js.numbers = true;
  js.numberPrefixes = {"0x", "0X"};
  js.keywordSetName = "reserved";
  js.keywords = splitKeywords(
      "break,case,catch,class,const,continue,debugger,default,delete,do,else,enum,export,extends,false,finally,for,"
      "function,if,import,in,new,null,return,super,switch,this,throw,true,try,typeof,var,void,while,with");
  setStyles(js, kTeal, greenItalic);

  SchemeBlock css;
  css.name = "CSS";
  css.parent = 0;
  css.delimiters = {{"<style>", "</style>"}, {"<style type=\"text/css\">", "</style>"}, {"<style*>", "</style>"}};
  setStyles(css, kBlack, greenItalic);

  SchemeBlock style;
  style.name = "Style";
  style.parent = 5;
  style.delimiters = {{"{", "}"}};
  style.blockComments = {{"/*", "*/"}, {"<!--", "-->"}};
  style.quotes = "\"'";
  style.numbers = true;
  style.numberPrefixes = {"#"};
  style.keywordSetName = "properties";
  style.keywords = splitKeywords(
      "align,attachment,auto,background,body,border,bottom,clear,color,decoration,display,family,float,font,height,"
      "image,indent,left,letter,line,list,margin,padding,position,repeat,right,size,space,spacing,style,text,"
      "through,top,transform,type,variant,vertical,weight,white,width,word");
  setStyles(style, kGrey, greenItalic);

  s.blocks = {def, html, asp, php, js, css, style};
  return s;
}

int styleNumber(int block, TokenClass cls) {
  const int n = block * kTokenClassCount + static_cast<int>(cls);
  return n < 32 ? n : n + 8;
}

SchemeStyler::SchemeStyler(const SyntaxScheme& scheme) : scheme_(scheme) {
  const int n = static_cast<int>(scheme_.blocks.size());
  compiled_.resize(n);
  for (int b = 0; b < n; ++b) {
    const SchemeBlock& block = scheme_.blocks[b];
    Compiled& c = compiled_[b];
    auto norm = [&](const std::string& t, bool cs) { return cs ? t : lowered(t); };
    for (int child = 0; child < n; ++child) {
      if (scheme_.blocks[child].parent != b) continue;
      const auto& ch = scheme_.blocks[child];
      for (int p = 0; p < static_cast<int>(ch.delimiters.size()); ++p)
        c.openers.push_back({norm(ch.delimiters[p].first, ch.caseSensitive), Opener::Child, child, p});
    }
    for (int k = 0; k < static_cast<int>(block.blockComments.size()); ++k)
      c.openers.push_back({norm(block.blockComments[k].first, block.caseSensitive), Opener::BlockComment, k, 0});
    for (int k = 0; k < static_cast<int>(block.lineComments.size()); ++k)
      c.openers.push_back({norm(block.lineComments[k], block.caseSensitive), Opener::LineComment, k, 0});
    std::stable_sort(c.openers.begin(), c.openers.end(),
                     [](const Opener& x, const Opener& y) { return x.text.size() > y.text.size(); });
    for (const auto& o : c.openers) {
      const auto first = static_cast<unsigned char>(o.text[0]);
      c.firstChar[first] = true;
      c.firstChar[static_cast<unsigned char>(first >= 'a' && first <= 'z' ? first - 'a' + 'A' : first)] = true;
    }
    for (const auto& k : block.keywords) c.keywords.push_back(norm(k, block.caseSensitive));
    std::sort(c.keywords.begin(), c.keywords.end());
    for (const auto& d : block.delimiters) c.leave.push_back(norm(d.second, block.caseSensitive));
    for (const auto& bc : block.blockComments) c.commentClose.push_back(norm(bc.second, block.caseSensitive));
    for (int p = b; scheme_.blocks[p].parent >= 0; p = scheme_.blocks[p].parent) ++c.depth;
  }
}

bool SchemeStyler::matches(std::string_view line, std::size_t at, const std::string& text, bool caseSensitive) const {
  if (line.size() - at < text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = caseSensitive ? line[at + i] : lower(line[at + i]);
    if (c != text[i]) return false;
  }
  return true;
}

std::size_t SchemeStyler::enterLength(std::string_view line, std::size_t at, const std::string& text,
                                      bool caseSensitive) const {
  std::size_t j = at;
  for (std::size_t k = 0; k < text.size(); ++k) {
    if (text[k] == '*' && k + 1 < text.size()) {
      if (j < line.size() && (line[j] == ' ' || line[j] == '\t')) {
        const char next = caseSensitive ? text[k + 1] : lower(text[k + 1]);
        while (j < line.size() && line[j] != '\r' && line[j] != '\n' &&
               (caseSensitive ? line[j] : lower(line[j])) != next)
          ++j;
      }
      continue;
    }
    if (j >= line.size()) return std::string::npos;
    const char c = caseSensitive ? line[j] : lower(line[j]);
    if (c != text[k]) return std::string::npos;
    ++j;
  }
  return j - at;
}

bool SchemeStyler::isKeyword(int block, std::string_view word) const {
  const auto& kw = compiled_[block].keywords;
  if (kw.empty()) return false;
  std::string w(word);
  if (!scheme_.blocks[block].caseSensitive) w = lowered(w);
  return std::binary_search(kw.begin(), kw.end(), w);
}

int SchemeStyler::styleLine(std::string_view line, int state, std::vector<unsigned char>& styles) const {
  const std::size_t n = line.size();
  std::size_t i = 0;
  auto put = [&](std::size_t count, int block, TokenClass cls) {
    styles.insert(styles.end(), count, static_cast<unsigned char>(styleNumber(block, cls)));
    i += count;
  };
  // The leave delimiter of the block, or of an enclosing block, found at i:
  // returns the block that is left (the innermost one left), or -1.
  auto leaveAt = [&](int block, int s, std::size_t at, std::size_t& length, int& target) {
    for (int b = block, d = compiled_[block].depth; b > 0 && scheme_.blocks[b].parent >= 0;
         b = scheme_.blocks[b].parent, --d) {
      const auto& sb = scheme_.blocks[b];
      const int pair = pairAt(s, d);
      const auto& leave = compiled_[b].leave;
      if (pair >= static_cast<int>(leave.size())) continue;
      const std::string& close = leave[pair];
      if (lower(line[at]) != lower(close[0])) continue;
      if (matches(line, at, close, sb.caseSensitive)) {
        length = close.size();
        target = sb.parent;
        return b;
      }
    }
    return -1;
  };

  while (i < n) {
    const int block = blockOf(state);
    const SchemeBlock& sb = scheme_.blocks[block];
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (c == '\r' || c == '\n') {
      put(1, block, modeOf(state) == kModeComment ? TokenClass::Comment : TokenClass::Text);
      continue;
    }
    if (modeOf(state) == kModeComment) {
      const auto& close = compiled_[block].commentClose[commentOf(state)];
      if (matches(line, i, close, sb.caseSensitive)) {
        put(close.size(), block, TokenClass::Comment);
        state = withMode(state, kModeNormal, 0);
      } else {
        put(1, block, TokenClass::Comment);
      }
      continue;
    }
    std::size_t length = 0;
    int target = 0;
    if (const int left = leaveAt(block, state, i, length, target); left >= 0) {
      put(length, left, TokenClass::Delimiter);
      state = withBlock(state, target);
      continue;
    }
    const Compiled& comp = compiled_[block];
    const Opener* opener = nullptr;
    std::size_t openerLength = 0;
    if (comp.firstChar[c]) {
      const bool prevWord = i > 0 && isWordChar(static_cast<unsigned char>(line[i - 1]));
      for (const auto& o : comp.openers) {
        if (o.kind == Opener::Child) {
          openerLength = enterLength(line, i, o.text, scheme_.blocks[o.index].caseSensitive);
          if (openerLength == std::string::npos) continue;
          opener = &o;
          break;
        }
        if (!matches(line, i, o.text, sb.caseSensitive)) continue;
        openerLength = o.text.size();
        if (o.kind == Opener::LineComment && isLetter(static_cast<unsigned char>(o.text[0]))) {
          // A comment word ("rem") counts only as a whole word.
          const std::size_t end = i + o.text.size();
          if (prevWord || (end < n && isWordChar(static_cast<unsigned char>(line[end])))) continue;
        }
        opener = &o;
        break;
      }
    }
    if (opener) {
      switch (opener->kind) {
        case Opener::Child: {
          const int child = opener->index;
          put(openerLength, child, TokenClass::Delimiter);
          state = withPair(withBlock(state, child), compiled_[child].depth, opener->pair);
          break;
        }
        case Opener::BlockComment:
          put(opener->text.size(), block, TokenClass::Comment);
          state = withMode(state, kModeComment, opener->index);
          break;
        case Opener::LineComment: {
          // To the line end, or to where the block (or an enclosing one) ends.
          std::size_t j = i;
          while (j < n && line[j] != '\r' && line[j] != '\n') {
            std::size_t len = 0;
            int t = 0;
            if (leaveAt(block, state, j, len, t) >= 0) break;
            ++j;
          }
          put(j - i, block, TokenClass::Comment);
          break;
        }
        default: break;
      }
      continue;
    }
    if (sb.quotes.find(static_cast<char>(c)) != std::string::npos && c != 0) {
      std::size_t j = i + 1;
      while (j < n && line[j] != static_cast<char>(c) && line[j] != '\r' && line[j] != '\n') {
        const bool escaped =
            !sb.escape.empty() && line[j] == sb.escape[0] && j + 1 < n && line[j + 1] != '\r' && line[j + 1] != '\n';
        j += escaped ? 2 : 1;
      }
      if (j < n && line[j] == static_cast<char>(c)) ++j;
      put(j - i, block, TokenClass::String);
      continue;
    }
    const bool wordStart = i == 0 || !isWordChar(static_cast<unsigned char>(line[i - 1]));
    if (sb.numbers && wordStart) {
      std::size_t prefix = 0;
      for (const auto& p : sb.numberPrefixes)
        if (matches(line, i, p, true) && i + p.size() < n &&
            isWordChar(static_cast<unsigned char>(line[i + p.size()]))) {
          prefix = p.size();
          break;
        }
      if (prefix > 0 || isDigit(c)) {
        std::size_t j = i + prefix;
        while (j < n && (isWordChar(static_cast<unsigned char>(line[j])) || line[j] == '.')) ++j;
        put(j - i, block, TokenClass::Number);
        continue;
      }
    }
    if (wordStart && !sb.identifierPrefixes.empty()) {
      std::size_t prefix = 0;
      for (const auto& p : sb.identifierPrefixes)
        if (matches(line, i, p, true)) {
          prefix = p.size();
          break;
        }
      if (prefix > 0) {
        std::size_t j = i + prefix;
        while (j < n && isWordChar(static_cast<unsigned char>(line[j]))) ++j;
        put(j - i, block, TokenClass::Identifier);
        continue;
      }
    }
    if (isWordChar(c)) {
      std::size_t j = i;
      while (j < n && isWordChar(static_cast<unsigned char>(line[j]))) ++j;
      put(j - i, block, isKeyword(block, line.substr(i, j - i)) ? TokenClass::Keyword : TokenClass::Text);
      continue;
    }
    put(1, block, TokenClass::Text);
  }
  return state;
}

std::vector<unsigned char> SchemeStyler::styleText(std::string_view text) const {
  std::vector<unsigned char> styles;
  styles.reserve(text.size());
  int state = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) {
      state = styleLine(text.substr(start, i + 1 - start), state, styles);
      start = i + 1;
    }
  }
  if (start < text.size()) styleLine(text.substr(start), state, styles);
  return styles;
}

}  // namespace markloom
