#pragma once
// The eight on/off switches of the compressor.

namespace markloom {

struct CompressOptions {
  bool shortTags = true;          // <strong> -> <b>, <em> -> <i>, <strike> -> <s>
  bool center = true;             // centred paragraphs -> <center> elements
  bool quotesInTags = true;       // delete double quotes inside tags
  bool spaces = true;             // collapse blanks, drop blanks between some tags
  bool extraLineBreaks = true;    // collapse doubled line-break characters
  bool allLineBreaks = true;      // remove line breaks (takes the place of extraLineBreaks)
  bool webBots = true;            // delete web-bot comments in the line-break passes
  bool blockquoteToList = false;  // <blockquote> -> <ul>

  // The marks the options dialog starts with (they differ from the values above).
  static CompressOptions dialogMarks() {
    CompressOptions o;
    o.shortTags = false;
    o.blockquoteToList = false;
    return o;
  }
  static CompressOptions none() {
    CompressOptions o;
    o.shortTags = o.center = o.quotesInTags = o.spaces = o.extraLineBreaks = o.allLineBreaks = o.webBots = false;
    return o;
  }
  friend bool operator==(const CompressOptions&, const CompressOptions&) = default;
};

}  // namespace markloom
