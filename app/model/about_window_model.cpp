// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model/about_window_model.h"

#include "app/model/credits.h"
#include "app/model/main_window_model.h"

namespace tabulon {

void LinkTextBox::Click() {
  if (on_click_) on_click_();
}

AboutWindowModel::AboutWindowModel(MainWindowModel& window) : window_(window) {
  aboutxt3.OnClick([this] { window_.platform.OpenLink(credits::MailLink()); });
  aboutxt4.OnClick([this] { window_.platform.OpenLink(credits::WebLink()); });
}

void AboutWindowModel::Load() {
  const std::string& new_line = window_.common.NewLine;
  aboutxt[0].SetText(std::string(credits::kVersionLine) + new_line + credits::kPlatformLine);
  aboutxt[1].SetText(credits::AuthorsLine());
  aboutxt[2].SetText(std::string(credits::kResearchGroup) + new_line + credits::DepartmentLine() +
                     new_line + credits::kCountry + new_line + credits::FaxLine());
  aboutxt3.SetText(std::string(credits::kEmail1) + new_line + credits::kEmail2);
  aboutxt4.SetText(credits::kWebPage);
}

}  // namespace tabulon
