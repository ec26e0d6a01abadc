#pragma once

#include <QComboBox>
#include <functional>
#include <string>
#include <vector>

#include "link/endpoint.h"
#include "link/port_list.h"

namespace kvitmark::app::ui {

// The connection group's port selector: "COM1" … "COM9", then the serial devices the system
// detects ("/dev/ttyUSB0 — FTDI FT232R USB UART"), listed anew each time the list opens so
// that an adapter plugged in later shows without a restart; then every further COM name the
// settings file maps ("COM10 — rfc2217://10.0.0.7:4001"), and last "Сетевой порт...", which
// asks for a network port to add. A device that was chosen but is not plugged in stays,
// marked "(не подключено)", rather than the choice being lost.
class PortSelector : public QComboBox {
  Q_OBJECT

 public:
  using PortLister = std::function<std::vector<link::SerialPort>()>;

  PortSelector(PortLister lister, QWidget* parent);

  // Lists the devices anew; the choice stays on its port wherever that is listed now.
  void Refresh();
  // The devices the settings file maps to COM names: COM1 … COM9 lead there, and every
  // further name is listed.
  void SetMappedPorts(const link::PortMap& map);
  // Selects the device `path` names (its device name or its stable name); one that is not
  // plugged in is listed as such.
  void SelectDevice(const std::string& path);
  // Selects a COM port, a mapped name or a device, as the settings or a search give it.
  void Select(const link::Endpoint& port);
  // The endpoint the entry shown stands for.
  link::Endpoint Choice() const;
  // The devices listed, in their order.
  const std::vector<link::SerialPort>& Detected() const { return detected_; }

 signals:
  // "Сетевой порт..." was picked; the choice stays where it was.
  void NetworkPortWanted();

 protected:
  void showPopup() override;
  void changeEvent(QEvent* event) override;

 private:
  void List();
  int NetworkEntry() const { return count() - 1; }

  PortLister lister_;
  std::vector<link::SerialPort> detected_;
  link::PortMap mapped_;
  // What the entries after COM9 stand for, "Сетевой порт..." excepted.
  std::vector<link::Endpoint> entries_;
  // A device chosen but not plugged in, by the name it was chosen by.
  std::string absent_;
  link::Endpoint lastChoice_ = link::Endpoint::Com(1, {});
};

}  // namespace kvitmark::app::ui
