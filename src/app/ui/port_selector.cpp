#include "app/ui/port_selector.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QSignalBlocker>
#include <algorithm>

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
  List();
  connect(this, &QComboBox::currentIndexChanged, this, [this](int entry) {
    if (entry >= 0 && entry != NetworkEntry()) lastChoice_ = Choice();
  });
  connect(this, &QComboBox::activated, this, [this](int entry) {
    if (entry != NetworkEntry()) return;
    Select(lastChoice_);
    emit NetworkPortWanted();
  });
}

void PortSelector::Refresh() {
  const link::Endpoint chosen = Choice();
  detected_ = lister_ ? lister_() : std::vector<link::SerialPort>{};
  Select(chosen);
}

void PortSelector::SetMappedPorts(const link::PortMap& map) {
  const link::Endpoint chosen = Choice();
  mapped_ = map;
  Select(chosen);
}

void PortSelector::SelectDevice(const std::string& path) {
  absent_ = path;
  for (const link::SerialPort& port : detected_) {
    if (link::IsPort(port, path)) absent_.clear();
  }
  List();
  for (size_t port = 0; port < detected_.size(); ++port) {
    if (link::IsPort(detected_[port], path)) {
      setCurrentIndex(kComEntries + static_cast<int>(port));
      return;
    }
  }
  // The device not plugged in, listed after the detected ones.
  setCurrentIndex(kComEntries + static_cast<int>(detected_.size()));
}

void PortSelector::Select(const link::Endpoint& port) {
  const int number = port.ComNumber();
  if (number >= 1 && number <= link::kLinkPorts) {
    List();
    setCurrentIndex(number - 1);
    return;
  }
  if (number > link::kLinkPorts && mapped_.count(number) > 0) {
    List();
    const auto found =
        std::find(entries_.begin(), entries_.end(), link::Endpoint::Com(number, mapped_));
    setCurrentIndex(kComEntries + static_cast<int>(found - entries_.begin()));
    return;
  }
  SelectDevice(port.Opened());
}

link::Endpoint PortSelector::Choice() const {
  const int entry = currentIndex();
  if (entry < kComEntries) return link::Endpoint::Com(std::max(entry, 0) + 1, mapped_);
  const auto extra = static_cast<size_t>(entry - kComEntries);
  return extra < entries_.size() ? entries_[extra] : lastChoice_;
}

void PortSelector::showPopup() {
  Refresh();
  // The descriptions are longer than the selector is wide.
  view()->setMinimumWidth(view()->sizeHintForColumn(0) + 8);
  QComboBox::showPopup();
}

void PortSelector::changeEvent(QEvent* event) {
  QComboBox::changeEvent(event);
  // The entries' texts are made as they are listed: listed again, on the same port.
  if (event->type() == QEvent::LanguageChange) {
    const QSignalBlocker quiet(this);
    Select(Choice());
  }
}

void PortSelector::List() {
  // Changing the entries must not look like the user's pick to anyone listening.
  const QSignalBlocker quiet(this);
  while (count() > kComEntries) removeItem(count() - 1);
  entries_.clear();
  const auto add = [this](const QString& text, link::Endpoint port) {
    addItem(text);
    entries_.push_back(std::move(port));
  };
  for (const link::SerialPort& port : detected_) {
    QString text = FromUtf8(port.devicePath);
    if (!port.description.Empty()) {
      text += QString::fromUtf8(" — ") + base::ui::Render(port.description);
    }
    add(text, link::DetectedEndpoint(port));
  }
  if (!absent_.empty()) {
    add(FromUtf8(absent_) + base::ui::Translate("PortSelector", " (не подключено)"),
        link::DeviceEndpoint(absent_));
  }
  for (const auto& [number, device] : mapped_) {
    if (number <= link::kLinkPorts) continue;
    add(FromUtf8(link::ComName(number)) + QString::fromUtf8(" — ") + FromUtf8(device),
        link::Endpoint::Com(number, mapped_));
  }
  addItem(base::ui::Translate("PortSelector", "Сетевой порт..."));
}

}  // namespace kvitmark::app::ui
