#include "lintarra/Lintarra.h"

CTimeout::CTimeout() : count(0), limit(0) {}

CTimeout::CTimeout(long limitPolls) : count(0), limit(limitPolls) {}

CTimeout::~CTimeout() = default;

CTimeout& CTimeout::operator=(const CTimeout& other) {
  count = other.count;
  limit = other.limit;
  return *this;
}

void CTimeout::Enable(long limitPolls) {
  count = 0;
  limit = limitPolls;
}

int CTimeout::Expired() {
  ++count;
  return count >= limit ? 1 : 0;
}
