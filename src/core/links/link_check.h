#pragma once
// One run of the Link Validator over a page's links: which links are local
// files, which are fetched from the web (each address once), and the rows
// that report the broken ones, in the table's order (by Type, empty first;
// rows of one Type in check order).
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/links/link_collector.h"

namespace markloom {

struct LinkRow {
  enum Icon { ErrorIcon = 0, ServerIcon = 1, SecurityIcon = 2 };
  int icon = ErrorIcon;
  std::string type;  // "Error", "Server", "Security", "Redirect" or empty
  std::string link;
  std::string status;  // "404", ... or "-" when no server answered
  std::string message;
  int line = 0;         // zero-based line of the link's tag
  std::string written;  // the link as the page writes it (Link may show a full path)
  bool operator==(const LinkRow& o) const {
    return icon == o.icon && type == o.type && link == o.link && status == o.status && message == o.message;
  }
};

// What the web said about one address.
struct WebAnswer {
  bool answered = false;  // false: no HTTP answer (unreachable, bad address, ...)
  long status = 0;
  std::string reason;    // "Not Found"
  std::string location;  // a redirect's target
  std::string error;     // why there was no answer
};

// How far a check has come: every link counts, duplicates too.
struct LinkTally {
  std::size_t links = 0;       // links collected
  std::size_t done = 0;        // links whose check is over
  std::size_t broken = 0;      // rows that report a broken link
  std::size_t redirected = 0;  // rows that report a redirect
  bool finished() const { return done == links; }
};

// One line for the user: "12 links checked, 2 broken." once finished,
// "Checking links: 9 of 12 done, 2 broken so far." before.
std::string tallyText(const LinkTally& tally);

class LinkCheck {
 public:
  using FileExists = std::function<bool(const std::string& path)>;
  // baseFolder ends with '/'.
  LinkCheck(const std::vector<FoundLink>& links, const std::string& baseFolder, const LinkOptions& options,
            const FileExists& fileExists);

  // The addresses to fetch, each once, in the order first met.
  const std::vector<std::string>& addresses() const { return addresses_; }
  void setAnswer(std::size_t address, const WebAnswer& answer);
  // The rows known so far, in the table's order.
  std::vector<LinkRow> rows() const;
  LinkTally tally() const;

 private:
  struct Step {
    FoundLink found;
    std::optional<LinkRow> fixed;  // the "/" row, known without looking anything up
    std::optional<LinkRow> local;
    std::optional<std::size_t> address;
  };
  void planClassic(Step& step, const std::string& base, const FileExists& fileExists);
  void planModern(Step& step, const std::string& base, const FileExists& fileExists);
  std::size_t addressIndex(const std::string& url);
  std::optional<LinkRow> webRow(const Step& step, const WebAnswer& answer) const;

  LinkOptions options_;
  std::vector<Step> steps_;
  std::vector<std::string> addresses_;
  std::vector<std::optional<WebAnswer>> answers_;
};

}  // namespace markloom
