#include "app/ui/port_selector.h"

#include <QAbstractItemView>

#include "app/settings.h"
#include "base/ui/translation.h"

namespace kvitmark::app::ui {
namespace {

// The entries before the detected devices.
constexpr int kComEntries = static_cast<int>(kPortEntries.size());

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

PortSelector::PortSelector(PortLister lister, QWidget* parent)
    : QComboBox(parent), lister_(std::move(lister)) {
  for (const auto entry : kPortEntries) addItem(QString::fromLatin1(entry));
}

void PortSelector::Refresh() {
  const link::PortChoice chosen = Choice();
  detected_ = lister_ ? lister_() : std::vector<link::SerialPort>{};
  if (chosen.device.empty()) {
    ListDevices();
    setCurrentIndex(chosen.number - 1);
  } else {
    SelectDevice(chosen.device);
  }
}

void PortSelector::SelectDevice(const std::string& path) {
  absent_ = path;
  for (const link::SerialPort& port : detected_) {
    if (link::IsPort(port, path)) absent_.clear();
  }
  ListDevices();
  for (size_t port = 0; port < detected_.size(); ++port) {
    if (link::IsPort(detected_[port], path)) {
      setCurrentIndex(kComEntries + static_cast<int>(port));
      return;
    }
  }
  setCurrentIndex(count() - 1);  // the device not plugged in
}

void PortSelector::Select(const link::PortChoice& port) {
  if (port.device.empty()) {
    setCurrentIndex(port.number - 1);
  } else {
    SelectDevice(port.device);
  }
}

link::PortChoice PortSelector::Choice() const {
  const int entry = currentIndex();
  if (entry < kComEntries) return link::ComPort(std::max(entry, 0) + 1);
  const auto detected = static_cast<size_t>(entry - kComEntries);
  if (detected < detected_.size()) return link::DetectedPort(detected_[detected]);
  return link::NamedDevice(absent_);
}

void PortSelector::showPopup() {
  Refresh();
  // The descriptions are longer than the selector is wide.
  view()->setMinimumWidth(view()->sizeHintForColumn(0) + 8);
  QComboBox::showPopup();
}

void PortSelector::ListDevices() {
  // Changing the entries must not look like the user's pick to anyone listening.
  const QSignalBlocker quiet(this);
  while (count() > kComEntries) removeItem(count() - 1);
  for (const link::SerialPort& port : detected_) {
    QString text = FromUtf8(port.devicePath);
    if (!port.description.empty()) text += QString::fromUtf8(" — ") + FromUtf8(port.description);
    addItem(text);
  }
  if (!absent_.empty()) addItem(FromUtf8(absent_) + base::ui::Translate("PortSelector", " (не подключено)"));
}

}  // namespace kvitmark::app::ui
