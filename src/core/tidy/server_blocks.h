#pragma once
// Server-side blocks (<?php ... ?>, <?= ... ?>, <% ... %>) and tidy: tidy
// escapes them inside attribute values and re-spaces them elsewhere, which
// breaks the page on the server. Before a run each block is swapped for a
// placeholder tidy leaves alone (a bare word inside tags and values, an empty
// block of the same kind elsewhere); afterwards the blocks are put back byte
// for byte. A page where that cannot work is refused rather than damaged.
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

struct ServerBlock {
  enum class Place {
    Text,       // outside tags (text, comments, scripts): wrapped placeholder
    Value,      // inside an attribute value or joined to other attribute text
    Attribute,  // standing alone among a tag's attributes
  };
  std::string text;  // the block exactly as the page has it
  Place place = Place::Text;
  bool php = true;  // <?php / <?= rather than <%
};

struct ProtectedPage {
  std::string text;    // the page with placeholders
  std::string prefix;  // every placeholder starts with it; it occurs nowhere else
  std::vector<ServerBlock> blocks;
};

// Raises Error with a message naming the line when a block is not closed or
// names a tag.
ProtectedPage protectServerBlocks(std::string_view page);

// tidy's output with every block back in place. Raises Error when a
// placeholder is missing, repeated or torn apart.
std::string restoreServerBlocks(std::string_view output, const ProtectedPage& page);

// One of tidy's messages with every placeholder it names shown as its block,
// so the log speaks of the page the user wrote.
std::string blocksInMessage(std::string_view message, const ProtectedPage& page);

}  // namespace markloom
