#pragma once
// Building blocks of the wizard's pages: white Arial texts in three sizes, the caption and
// edit columns of the address rows, buttons, pictures. Controls are placed at fixed pixel
// positions on their page, and each gets its component name as object name.

#include "wizard/wizard_controls.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace vistrel::wizard_kit {

inline constexpr int kPageWidth = 729;
inline constexpr int kPageHeight = 428;
inline constexpr int kBackgroundHeight = 433;

// Text heights in pixels: captions and instructions, titles and questions, countdowns and
// results.
inline constexpr int kCaptionText = 16;
inline constexpr int kTitleText = 21;
inline constexpr int kResultText = 24;

// The caption and edit columns of the address rows, and the rows' pitch.
inline constexpr int kCaptionX = 187;
inline constexpr int kEditX = 328;
inline constexpr int kRowPitch = 40;

inline constexpr int kButtonWidth = 81;
inline constexpr int kButtonHeight = 25;

// The button row at the foot of a page: the action at the right, Cancel or No left of it,
// Advanced at the left edge.
inline constexpr int kButtonRowY = 384;
inline constexpr int kActionX = 608;
inline constexpr int kSecondX = 517;
inline constexpr int kAdvancedX = 40;

enum class Weight { Normal, Bold };

// Fills the widget with the window's grey, RGB (132, 132, 132), where no picture covers it.
void fillWithWindowGrey(QWidget* widget);

// A line of text centred in its rectangle; its height follows the text size.
TTntLabel* addLine(QWidget* parent, const QString& name, const QString& text, int x, int y,
                   int width, int pixelSize, Weight weight = Weight::Normal);

// A line across the whole page, centred.
TTntLabel* addFullWidthLine(QWidget* parent, const QString& name, const QString& text, int y,
                            int pixelSize, Weight weight = Weight::Normal);

// A plain centred number line (countdowns); not re-texted.
QLabel* addCountdown(QWidget* parent, const QString& name, const QString& text, int x, int y,
                     int width);

// A field caption, left-aligned beside the edit row it names.
TTntLabel* addCaption(QWidget* parent, const QString& name, const QString& text, QPoint at,
                      int width = 135);

// A plain left-aligned caption-sized text that code fills in (addresses, the chosen SSID);
// not re-texted.
QLabel* addText(QWidget* parent, const QString& name, QRect geometry);

QLineEdit* addEdit(QWidget* parent, const QString& name, QRect geometry);

TTntButton* addButton(QWidget* parent, const QString& name, const QString& text, QPoint at);

// The 105-pixel Advanced button, at the left of the button row unless placed elsewhere.
TTntButton* addAdvancedButton(QWidget* parent, const QString& name,
                              QPoint at = {kAdvancedX, kButtonRowY});

// A skin picture at its own place; empty when the file is missing.
QLabel* addPicture(QWidget* parent, const QString& name, const QString& fileName, QRect geometry);

// A stretched background picture, filled in later from the skin.
QLabel* addBackground(QWidget* parent, const QString& name, QRect geometry);

// The four captions "IP Address" … "DNS" of page `page` ("T2"), `pitch` pixels apart.
AddressCaptions addAddressCaptions(QWidget* parent, const QString& page, QPoint firstRow,
                                   int pitch = kRowPitch);

// The four address edits Edit_<page>_IP … Edit_<page>_DNS.
AddressEdits addAddressEdits(QWidget* parent, const QString& page, QPoint firstRow,
                             int pitch = kRowPitch);

// Plain labels named <prefix>IP<suffix> … <prefix>DNS<suffix>, hidden until they get a value.
AddressValues addAddressValues(QWidget* parent, const QString& prefix, const QString& suffix,
                               QPoint firstRow, int pitch = kRowPitch);

// The DHCP / Static IP radio pair with its captions TntLabel_<page>_1 and _2; Static IP is
// selected.
RadioPair addRadioPair(QWidget* parent, const QString& page, QPoint dhcpAt, QPoint staticAt);

// Camera name, password and confirmation rows: at most 64 characters, passwords masked.
AccountRows addAccountRows(QWidget* parent, const QString& page, QPoint firstRow, int pitch);

} // namespace vistrel::wizard_kit
