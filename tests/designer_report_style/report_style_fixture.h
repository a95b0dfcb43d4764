#pragma once
// A designer whose report style dialog is played through Style > Modify
// Report Style, as the author opens it.
#include <functional>
#include <vector>

#include "designer/dialogs/report_style_form.h"
#include "platform/system/locale_settings.h"
#include "tests/designer_support/designer_fixture.h"

namespace tessel_test {

class ReportStyleTest : public DesignerTest {
 protected:
  using Person = std::function<void(designer::TReportStyleForm& dialog)>;

  void TearDown() override {
    platform::ResetLocaleSettings();
    DesignerTest::TearDown();
  }

  // One showing through the menu; the person's part runs on the live
  // dialog and leaves its answer in ModalResult.
  void Modify(Person person) {
    modals->On("ReportStyleForm", [person](platform::TForm& shown) {
      person(dynamic_cast<designer::TReportStyleForm&>(shown));
    });
    form().ModifyReportStyle1->Click();
  }
  void ModifyAndPress(Person person, const char* button) {
    Modify([person, button](designer::TReportStyleForm& dialog) {
      person(dialog);
      dynamic_cast<platform::TControl*>(dialog.FindComponent(button))->Click();
    });
  }

  designer::TReportStyleForm& dialog() { return *program().ReportStyleForm; }
  designer::TReportStyle& style() { return program().ReportStyle; }
};

}  // namespace tessel_test
