// "PCL Escape sequences": the print controls for the PCL print server,
// computed from the main dialog's settings and this dialog's choices for
// the readable text. Modeless and owned by the main dialog, which creates
// it on the first press of "PCL" and passes its values in at every refresh;
// the dialog itself only moves values between its controls and the
// generator (PclSequences.h).
#pragma once

#include "PclSequences.h"
#include "ui/Dialog.h"

class CPclDialog : public CDialog {
  public:
    explicit CPclDialog(CDialog& owner);

    // Takes the main dialog's values and shows the fields computed from
    // them. Before the window exists the values are only kept.
    void Update(const PclInputs& inputs);

  protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    const CommandRoutes& Commands() const override;
    // Enter keeps the dialog; Escape and the close box only hide it: it
    // lives as long as the main dialog.
    void OnOK() override {}
    void OnCancel() override;

  private:
    void OnChoiceChanged();
    // Takes the choices from the controls, computes every field and puts
    // them all back.
    void Regenerate();
    void FillComboLists();
    void EnableAnnotationControls();

    PclInputs inputs_;
    PclOptions options_;
    PclFields fields_;
};
