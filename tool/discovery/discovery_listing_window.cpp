#include "discovery/discovery_listing_window.h"

#include <QHeaderView>
#include <QTreeWidgetItem>

#include "discovery/discovery_result.h"
#include "ui_discovery_listing_window.h"
#include "widgets/error_report.h"
#include "widgets/help.h"
#include "widgets/result_colours.h"

namespace dorvane {

DiscoveryListingWindow::DiscoveryListingWindow(const DeviceList& devices, const DiscoveryOutcome& outcome,
                                               QWidget* owner)
    : QDialog(owner), m_ui(std::make_unique<Ui::frmDiscoveryListing>()) {
  m_ui->setupUi(this);
  AttachHelp(this, "discovery_listing");
  QHeaderView* header = m_ui->lsvPELLAR->header();
  header->setSectionsClickable(true);
  connect(header, &QHeaderView::sectionClicked, this, &DiscoveryListingWindow::SortByColumn);
  connect(m_ui->cmdExit, &QPushButton::clicked, this, &QDialog::accept);
  Load(devices, outcome);
}

DiscoveryListingWindow::~DiscoveryListingWindow() = default;

void DiscoveryListingWindow::Load(const DeviceList& devices, const DiscoveryOutcome& outcome) {
  std::vector<DiscoveredDevice> listed;
  try {
    listed = devices.Listed();
    for (std::size_t index = 0; index < listed.size(); ++index) {
      const DiscoveredDevice& device = listed[index];
      auto* row = new QTreeWidgetItem(
          m_ui->lsvPELLAR, {QString::fromStdString(device.macAddress), QString::fromStdString(device.ipAddress),
                            QString::fromStdString(device.deviceType)});
      row->setData(0, kKeyRole, QString::number(index) + "X");
    }
  } catch (const std::exception& error) {
    // The rows added so far stay.
    ShowErrorReport("Load PELLAR Discovery Listing", 5, QString::fromUtf8(error.what()));
  }
  // Snug columns read as one run of text; a little air keeps them apart.
  constexpr int kColumnAir = 24;
  for (int column = 0; column < m_ui->lsvPELLAR->columnCount(); ++column) {
    m_ui->lsvPELLAR->resizeColumnToContents(column);
    m_ui->lsvPELLAR->setColumnWidth(column, m_ui->lsvPELLAR->columnWidth(column) + kColumnAir);
  }

  m_ui->lblStatus->setText(
      QString::fromStdString(DiscoveryStatusText(outcome, m_ui->lsvPELLAR->topLevelItemCount(), devices.Dropped())));
  if (!outcome.Looked()) {
    InitValueLabel(m_ui->lblStatus);
    SetBackColour(m_ui->lblStatus, kLightRed);
  }
}

void DiscoveryListingWindow::SortByColumn(int column) {
  m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
  // Texts compare as texts: 10.0.0.10 sorts before 10.0.0.9.
  m_ui->lsvPELLAR->sortItems(column, m_sortOrder);
  QHeaderView* header = m_ui->lsvPELLAR->header();
  header->setSortIndicatorShown(true);
  header->setSortIndicator(column, m_sortOrder);
}

}  // namespace dorvane
