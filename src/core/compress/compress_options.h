#pragma once
// The eight on/off switches of the compressor.

namespace markloom {

struct CompressOptions {
  bool SimpleTags = true;       // <strong> -> <b>, <em> -> <i>, <strike> -> <s>
  bool Center = true;           // centred paragraphs -> <center> elements
  bool InvCommas = true;        // delete double quotes inside tags
  bool Spaces = true;           // collapse blanks, drop blanks between some tags
  bool Returns = true;          // collapse doubled line-break characters
  bool AllReturns = true;       // remove line breaks (takes the place of Returns)
  bool Webbots = true;          // delete web-bot comments in the line-break passes
  bool BlockquoteToUl = false;  // <blockquote> -> <ul>

  // The marks the options dialog starts with (they differ from the values above).
  static CompressOptions dialogMarks() {
    CompressOptions o;
    o.SimpleTags = false;
    o.BlockquoteToUl = false;
    return o;
  }
  static CompressOptions none() {
    CompressOptions o;
    o.SimpleTags = o.Center = o.InvCommas = o.Spaces = o.Returns = o.AllReturns = o.Webbots = false;
    return o;
  }
  friend bool operator==(const CompressOptions&, const CompressOptions&) = default;
};

}  // namespace markloom
