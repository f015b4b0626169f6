// Drives the Hostdeck's transfer client the way the window does: one session,
// then one put or get per file. For the transfer piece of scripts/bench.
//
//   markloom_transfer_bench PORT put|get LOCAL_FOLDER REMOTE_FOLDER NAME...
//
// Connects to 127.0.0.1:PORT as "web" / "secret" (the fixture server), enters
// REMOTE_FOLDER and moves each NAME in binary mode between it and LOCAL_FOLDER.
// A name "@FILE" reads the names from FILE, one a line.
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>
#include <vector>

#include "platform/net/transfer_client.h"

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: %s PORT put|get LOCAL_FOLDER REMOTE_FOLDER NAME...\n", argv[0]);
    return 2;
  }
  const std::string verb = argv[2], localFolder = argv[3], remoteFolder = argv[4];
  std::vector<std::string> names;
  for (int i = 5; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg.size() > 1 && arg[0] == '@') {
      std::ifstream in(arg.substr(1));
      for (std::string line; std::getline(in, line);)
        if (!line.empty()) names.push_back(line);
    } else {
      names.push_back(arg);
    }
  }
  try {
    markloom::TransferSite site;
    site.host = "127.0.0.1";
    site.port = std::stoi(argv[1]);
    site.user = "web";
    site.password = "secret";
    markloom::TransferClient client;
    client.changeFolder(remoteFolder);  // entered on connect
    client.connect(site);
    client.setTransferMode(markloom::TransferMode::Binary);
    for (const std::string& name : names) {
      if (verb == "put")
        client.put(name, localFolder);
      else
        client.get(name, localFolder);
    }
    client.disconnect();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
