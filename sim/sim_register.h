#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/frame.h"
#include "sim/sim_tables.h"

// A simulated register at the byte level: it answers the selection and probe of its own
// number with a greeting, acknowledges frames whose check is right, answers reads with
// "<table>;<record>;<record text>", stores writes, and refuses (E reply) unknown tables,
// records out of range and writes to report tables. It misbehaves only when told to.
namespace kvitmark::sim {

// Ways to misbehave. Counts apply to the next so many record replies (the answers to
// framed requests; greetings stay well-formed) and run down as they are used.
struct SimFaults {
  bool silent = false;      // answers nothing at all
  int refuse = 0;           // refuse requests with an E reply
  int corruptCheck = 0;     // send replies with a wrong check
  int nak = 0;              // answer frames with NAK (0x15) instead of ACK; nothing is done
  int halfReply = 0;        // stop halfway through a reply, silent until the next selection
  int trickleUnder = 0;     // send replies a byte every 250 ms (inside the 300 ms wait)
  int trickleOver = 0;      // send replies a byte every 350 ms (past the 300 ms wait)
  int garbageBeforeLf = 0;  // put junk before a reply's LF
  int doubleAck = 0;        // acknowledge frames twice
  int overlongReply = 0;    // send a reply of 5000 bytes without CR
  int hangup = 0;           // hang up in the middle of a reply
  int ignoreFrames = 0;     // take no notice of frames: no ACK, no reply
  std::string staleBytes;   // left waiting on the line for the next port open
  int answerAs = 0;         // answer to this register number instead of one's own (0: own)
};

// One byte the register sends, and the pause before it (after the previous byte sent,
// or after the byte that provoked it).
struct SimByte {
  char byte;
  int delayMs;
};

// What happened on the line, for tests and the simulator's report.
struct SimCounters {
  int selections = 0;        // greetings sent
  int frames = 0;            // frames received with a good check
  int badFrames = 0;         // frames received with a bad check
  int refusals = 0;          // E replies sent
  int acknowledgements = 0;  // ACK bytes received outside frames
  int writes = 0;            // records stored
};

class SimRegister {
 public:
  SimRegister(int registerNumber, SimTables tables);

  // One byte from the program.
  void Receive(char byte);
  // One byte the program sent while its line ran at `lineSpeed` bit/s. A register set to
  // another speed hears it as noise and leaves it unanswered.
  void ReceiveAt(char byte, int lineSpeed);
  // The register answers only while the line runs at `speed` bit/s; 0: at any speed.
  void AnswerOnlyAt(int speed) { answerSpeed_ = speed; }
  // The program opened the port.
  void PortOpened();
  // Bytes the register sends, in order; taking them empties the queue.
  std::vector<SimByte> TakeOutput();
  bool HasOutput() const { return !output_.empty(); }
  // The register dropped the line (hang-up fault).
  bool HungUp() const { return hungUp_; }

  SimFaults& Faults() { return faults_; }
  SimTables& Tables() { return tables_; }
  const SimCounters& Counters() const { return counters_; }
  int RegisterNumber() const { return registerNumber_; }

 private:
  enum class State { kIdle, kSelectionDigits, kSelected, kInFrame, kCheckBytes };

  void ReceiveOutsideFrame(char byte);
  void Greet();
  void ProcessFrame();
  std::string Answer(const std::string& request);
  void SendRecordReply(const std::string& text);
  void Emit(char byte, int delayMs = 0);
  void EmitFrame(const std::string& text, bool corrupt, int delayMs);

  int registerNumber_;
  int answerSpeed_ = 0;
  SimTables tables_;
  SimFaults faults_;
  SimCounters counters_;
  State state_ = State::kIdle;
  bool selected_ = false;
  int xonRun_ = 0;
  std::string digits_;
  std::string frameText_;
  link::CheckRegister frameCheck_;
  int checkBytesLeft_ = 0;
  std::vector<SimByte> output_;
  bool hungUp_ = false;
};

}  // namespace kvitmark::sim
