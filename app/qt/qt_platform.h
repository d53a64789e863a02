// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

#include "app/model/platform_services.h"
#include "app/qt/main_window.h"

namespace tabulon::gui {

// The platform services of the desktop, with Qt. Message boxes and the repaint point show the
// window's current state first, so the view is attached once it exists (the model, which needs
// the platform, is made before the view).
class QtPlatform : public PlatformServices {
 public:
  void AttachView(MainWindow* view) { view_ = view; }

  void ShowMessage(const Message& message) override;
  std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& title,
                                          const std::string& initial_dir) override;
  // Remembers the file among the recent files; its folder is where the next dialog opens.
  void DatabaseLoaded(const std::string& path) override;
  void LetWindowRepaint() override;
  void OpenLink(const std::string& link) override;
  void ShowAboutWindow() override;
  void EndProgram() override;

 private:
  void RefreshView();

  QPointer<MainWindow> view_;
};

}  // namespace tabulon::gui
