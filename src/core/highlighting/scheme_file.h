#pragma once
// Scheme files (Extensions/schemes/*.sch): a colouring scheme in a readable
// object notation. Objects nest as "object Kind" ... "end"; inside, one
// property per line as "Name = value". A Scheme object holds its name and one
// Block, the outermost; every Block holds its child blocks, so a block's
// parent is the block it is written in.
//
//   object Scheme
//     Name = 'Perl'
//     object Block
//       Name = 'Code'
//       LineComment = '#'
//       BlockComment = ('=pod', '=cut')
//       Quotes = '"'''
//       Keywords = 'if,else,my'
//       Style.Keyword = ($000080, Bold)
//       object Block
//         Name = 'Here'
//         Delimiter = ('<<END', 'END')
//       end
//     end
//   end
//
// Values: texts in single quotes ('' for a quote, #9 and the like for control
// characters, pieces written one after the other), whole numbers, colours as
// $RRGGBB, the words True and False, and lists in parentheses. Block
// properties: Name, Delimiter (enter, leave; a "*" in the enter text stands
// for nothing or a blank and any characters up to the text's next character),
// LineComment, BlockComment, Quotes, Escape, Numbers, NumberPrefix, IdentifierPrefix,
// KeywordSet, Keywords (comma-separated; further lines add to the list),
// CaseSensitive, LineContinuation, Background and Style.<class> for the classes
// Text, Comment, String, Number, Keyword, Identifier and Delimiter.
#include <string>
#include <string_view>

#include "core/highlighting/syntax_scheme.h"

namespace markloom {

// What the styler can hold: the line state keeps the block, the comment pair
// and a delimiter pair per nesting level in a few bits each.
constexpr int kMaxSchemeBlocks = 16;
constexpr int kMaxSchemeDepth = 5;
constexpr int kMaxBlockDelimiters = 16;
constexpr int kMaxBlockComments = 8;

// The scheme's text. Blocks are written nested in their parents, children in
// the order of the scheme's list.
std::string writeSchemeText(const SyntaxScheme& scheme);
// Reads a scheme's text; blocks come back in the order they are written
// (each block before its children). Raises Error "Line N: reason" for text
// that is not a scheme or a scheme the styler cannot hold.
SyntaxScheme parseSchemeText(std::string_view text);

// Whole-file forms. Reading raises cannotOpenFile for a file that cannot be
// read, and 'Can't read syntax scheme from file "PATH".' followed by the
// reason on the next line for one that is not a scheme. Writing goes through
// the safe file writer and raises cannotCreateFile.
SyntaxScheme readSchemeFile(const std::string& path);
void writeSchemeFile(const std::string& path, const SyntaxScheme& scheme);

}  // namespace markloom
