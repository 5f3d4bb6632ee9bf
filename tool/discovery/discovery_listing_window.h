#pragma once
// frmDiscoveryListing: the devices one discovery found, one row per reply in
// the order of arrival, and a status line that says whether the discovery
// could look at all. Not translated.

#include <QDialog>
#include <memory>

namespace Ui {
class frmDiscoveryListing;
}

namespace dorvane {

class DeviceList;
struct DiscoveryOutcome;

class DiscoveryListingWindow : public QDialog {
  Q_OBJECT

 public:
  // Reads the list once, here: replies stored after this are not shown.
  DiscoveryListingWindow(const DeviceList& devices, const DiscoveryOutcome& outcome, QWidget* owner);
  ~DiscoveryListingWindow() override;

  // The role under which each row keeps its key ("0X", "1X", ...).
  static constexpr int kKeyRole = Qt::UserRole;

 private:
  void Load(const DeviceList& devices, const DiscoveryOutcome& outcome);
  void SortByColumn(int column);

  std::unique_ptr<Ui::frmDiscoveryListing> m_ui;
  // The first click on a header sorts ascending; every click after that
  // flips the order, whichever column it is on.
  Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};

}  // namespace dorvane
