#pragma once

#include <QPointer>

#include "app/qt/main_window.h"
#include "common/platform_services.h"

namespace tabulon::gui {

// The platform services of the desktop, with Qt. Message boxes and the repaint point show the
// window's current state first, so the view is attached once it exists (the model, which needs
// the platform, is made before the view).
class QtPlatform : public PlatformServices {
 public:
  void AttachView(MainWindow* view) { view_ = view; }

  void ShowMessage(const Message& message) override;
  std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
  void LetWindowRepaint() override;
  void OpenLink(const std::string& link) override;
  void ShowAboutWindow() override;
  void EndProgram() override;

 private:
  void RefreshView();

  QPointer<MainWindow> view_;
};

}  // namespace tabulon::gui
