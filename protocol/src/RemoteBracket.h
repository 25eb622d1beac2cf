#pragma once

#include "talvinet/Talvinet.h"

namespace talvinet {

// Switches the analyzer to remote mode for the life of an operation when the
// caller's `remote` flag asks for it, and back to local mode however it ends.
class RemoteBracket {
 public:
  RemoteBracket(Talvinet& analyzer, int remote) : analyzer_(analyzer), remote_(remote != 0) {
    if (remote_) analyzer_.SetRemoteMode();
  }
  ~RemoteBracket() {
    if (remote_) analyzer_.SetLocalMode();
  }
  RemoteBracket(const RemoteBracket&) = delete;
  RemoteBracket& operator=(const RemoteBracket&) = delete;

 private:
  Talvinet& analyzer_;
  bool remote_;
};

}  // namespace talvinet
