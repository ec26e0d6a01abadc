#include "logo/logo_transfer.h"

#include <algorithm>
#include <string>

#include "base/cp1251.h"
#include "logo/row_codec.h"

namespace kvitmark::logo {
namespace {

constexpr int kAttemptsPerRecord = 10;
constexpr int kRepaintEvery = 10;

const std::string& DoneText() {
  static const std::string text = base::Cp1251("Успешно!");
  return text;
}

const std::string& WriteFailedText() {
  static const std::string text = base::Cp1251("Ошибка записи логотипа!");
  return text;
}

const std::string& ReadFailedText() {
  static const std::string text = base::Cp1251("Ошибка чтения логотипа! Чтение остановлено.");
  return text;
}

bool ReadRow(tables::TableSession& session, int record) {
  std::string& answer = session.recordBuffer;
  for (int attempt = 0; attempt < kAttemptsPerRecord; ++attempt) {
    answer.clear();
    if (session.link.ReadRecord(session.connectedRegister, kLogoTable, record, answer, 0) >= 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

TransferResult WriteLogo(tables::TableSession& session, const LogoPicture& picture) {
  tables::OperationHost& host = session.host;
  host.SetProgressRange(kLogoHeight);
  host.SetProgressPosition(0);
  // The table has 200 records: rows below them have nowhere to go, and asking for record
  // 201 would only turn a complete logo into a failed write.
  const int rows = std::clamp(picture.Height(), 0, kLogoHeight);
  TransferResult result;
  result.succeeded = true;
  for (int y = 0; y < rows; ++y) {
    host.SetProgressPosition(y + 1);
    if (y % kRepaintEvery == 0) host.Repaint();
    const std::string text = EncodeRow(picture, y);
    if (session.link.WriteRecord(session.connectedRegister, kLogoTable, y + 1, text, 0) < 0) {
      host.ShowMessage(WriteFailedText());
      result.succeeded = false;
      break;
    }
    ++result.rows;
  }
  if (result.succeeded) host.ShowMessage(DoneText());
  host.SetProgressPosition(0);
  return result;
}

TransferResult ReadLogo(tables::TableSession& session, LogoPicture& picture) {
  tables::OperationHost& host = session.host;
  host.SetProgressRange(kLogoHeight);
  host.SetProgressPosition(0);
  TransferResult result;
  result.succeeded = true;
  for (int y = 0; y < kLogoHeight; ++y) {
    if (y % kRepaintEvery == 0) host.Repaint();
    host.SetProgressPosition(y + 1);
    if (!ReadRow(session, y + 1)) {
      host.ShowMessage(ReadFailedText());
      result.succeeded = false;
      break;
    }
    DecodeRow(session.recordBuffer, picture, y);
    ++result.rows;
  }
  if (result.succeeded) host.ShowMessage(DoneText());
  host.SetProgressPosition(0);
  return result;
}

}  // namespace kvitmark::logo
