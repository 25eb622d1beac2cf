// Lintarra: byte, string and buffer transfer with the analyzer over a PC
// parallel port. One port object serves the whole process; each byte is passed
// with a four-step handshake on the status and control lines, and every wait
// is counted in status reads, not in time. Not safe for concurrent use.
#pragma once

// Results of the byte operations.
constexpr int LINTARRA_OK = 1;
constexpr int LINTARRA_BAD_ARGUMENT = -1;      // null pointer, or zero length for a block read
constexpr int LINTARRA_ACK_NOT_LOW = -2;       // acknowledge did not go to 0 in time
constexpr int LINTARRA_ACK_NOT_HIGH = -3;      // acknowledge did not return to 1 in time
constexpr int LINTARRA_NO_BYTE_OFFERED = -4;   // read: the analyzer never signalled a byte
constexpr int LINTARRA_NEVER_READY = -5;       // write: the analyzer never became ready

constexpr long LINTARRA_DEFAULT_POLLS = 4000000;

// Selects the port whose data register is at I/O address `baseAddress` and
// puts it at rest in write direction. `useDriver` chooses the driver path on
// platforms that have one; on Linux both settings use the same port access.
// When the port cannot be reached, every later transfer fails with its
// time-out code; lintarra::PortAccessProblem() says why.
void Init(int baseAddress, int useDriver);

int WriteByte(unsigned char b);                     // 1 or a negative code
int WriteString(const char* text);                  // bytes written or a negative code
int WriteBuffer(const unsigned char* data, int length);  // length (-1: up to the NUL) or a negative code
int ReadByte(unsigned char* b);                     // 1 or a negative code
int ReadString(char* buffer, int length);           // bytes stored, ending at CR LF, or a negative code
int ReadBuffer(unsigned char* buffer, int length);  // length or a negative code

void SetTimeout(long polls);  // status reads allowed in one wait, from now on
long GetTimeout();

// A time-out counted in polls, not in time.
class CTimeout {
 public:
  CTimeout();
  explicit CTimeout(long limit);
  ~CTimeout();
  CTimeout(const CTimeout& other) = default;
  CTimeout& operator=(const CTimeout& other);

  void Enable(long limit);
  // Counts one poll and answers whether the limit is reached: a limit of n
  // allows n - 1 polls.
  int Expired();

 private:
  int count;
  long limit;
};
