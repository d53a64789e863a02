// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/about_dialog.h"

#include <QFrame>
#include <QSignalBlocker>
#include <QTextDocument>

#include "app/qt/about_text_box.h"
#include "app/qt/fonts.h"
#include "app/qt/frame_box.h"
#include "app/qt/latin1.h"
#include "app/qt/link_cursor.h"
#include "app/qt/main_window_layout.h"
#include "app/qt/thermometer.h"

namespace tabulon::gui {

namespace {

// The client area, and the places of the controls in Frame1, in twips.
constexpr TwipsRect kAboutClientArea{0, 0, 8970, 6075};
constexpr TwipsRect kFrame1Place{120, 120, 8775, 5775};
constexpr TwipsRect kVersionPlace{480, 240, 7575, 855};
constexpr TwipsRect kAuthorsPlace{120, 1560, 8295, 615};
constexpr TwipsRect kAddressPlace{120, 2400, 5895, 1215};
constexpr TwipsRect kWebPlace{120, 3600, 7215, 495};
constexpr TwipsRect kMailPlace{120, 4440, 8775, 735};
// The separator lines run from x 120 to 8640 at these heights.
constexpr int kLineLeft = 120;
constexpr int kLineRight = 8640;
constexpr int kLineTops[] = {1200, 5280};

QRect PixelRect(const TwipsRect& twips) {
  return QRect(Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height));
}

QFont VersionFont() {
  return SansSerifFont(12, true);
}

void CentreText(AboutTextBox& box) {
  QTextOption option = box.document()->defaultTextOption();
  option.setAlignment(Qt::AlignHCenter);
  box.document()->setDefaultTextOption(option);
}

void ShowAsLink(AboutTextBox& box, const QString& tooltip) {
  box.setToolTip(tooltip);
  box.viewport()->setCursor(CurvedArrowCursor());
}

}  // namespace

AboutDialog::AboutDialog(AboutWindowModel& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("AboutWindowModel");
  setWindowTitle(QStringLiteral("About Tabulon"));
  setWindowIcon(ThermometerIcon());
  setWindowModality(Qt::ApplicationModal);
  setFont(WindowFont());
  setFixedSize(PixelRect(kAboutClientArea).size());

  auto* frame = new FrameBox(this);
  frame->setObjectName(QString::fromStdString(model.Frame1.Name()));
  frame->setTitle(Latin1(model.Frame1.Caption()));
  frame->setGeometry(PixelRect(kFrame1Place));
  QPalette white = frame->palette();
  white.setColor(QPalette::Window, Qt::white);
  frame->setPalette(white);
  frame->setAutoFillBackground(true);

  AboutTextBox* version = BuildTextBox(model.aboutxt[0], frame);
  version->setGeometry(PixelRect(kVersionPlace));
  version->setFont(VersionFont());
  CentreText(*version);
  BuildTextBox(model.aboutxt[1], frame)->setGeometry(PixelRect(kAuthorsPlace));
  BuildTextBox(model.aboutxt[2], frame)->setGeometry(PixelRect(kAddressPlace));

  AboutTextBox* web = BuildTextBox(model.aboutxt4, frame);
  web->setGeometry(PixelRect(kWebPlace));
  ShowAsLink(*web, QStringLiteral("Open Website"));
  connect(web, &AboutTextBox::clicked, this, [this, &model] {
    model.aboutxt4.Click();
    Refresh();
  });

  AboutTextBox* mail = BuildTextBox(model.aboutxt3, frame);
  mail->setGeometry(PixelRect(kMailPlace));
  ShowAsLink(*mail, QStringLiteral("Contact us"));
  connect(mail, &AboutTextBox::clicked, this, [this, &model] {
    model.aboutxt3.Click();
    Refresh();
  });

  for (int i = 0; i < model.Line1.Size(); ++i) {
    auto* line = new QFrame(frame);
    line->setObjectName(QString::fromStdString(model.Line1[i].Name()));
    line->setFrameStyle(QFrame::HLine | QFrame::Plain);
    line->setGeometry(Pixels(kLineLeft), Pixels(kLineTops[i]), Pixels(kLineRight - kLineLeft), 1);
  }

  Refresh();
}

AboutTextBox* AboutDialog::BuildTextBox(TextBox& box, QWidget* frame) {
  auto* widget = new AboutTextBox(frame);
  widget->setObjectName(QString::fromStdString(box.Name()));
  bindings_.push_back({&box, widget, std::nullopt});
  // textChanged also fires for texts the view sets; Refresh blocks the signals then.
  connect(widget, &QPlainTextEdit::textChanged, this, [this, widget, &box] {
    box.SetText(widget->ModelText());
    Refresh();
  });
  return widget;
}

void AboutDialog::Refresh() {
  for (Binding& binding : bindings_) {
    const std::uint64_t revision = binding.box->Revision();
    if (binding.shown_revision == revision) continue;
    const QSignalBlocker quiet(binding.widget);
    binding.widget->ShowModelText(binding.box->Text());
    binding.widget->setVisible(binding.box->Visible());
    binding.shown_revision = revision;
  }
}

void ShowAboutDialog(AboutWindowModel& model, QWidget* owner) {
  AboutDialog dialog(model, owner);
  dialog.exec();
}

}  // namespace tabulon::gui
