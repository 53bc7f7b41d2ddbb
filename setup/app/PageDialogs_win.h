// The pages of an installation before its directories are chosen: the
// intro with the product's description and the welcome with its advice.
#pragma once

#include <string>

#include "ProductInstall.h"
#include "ui/Dialog.h"

class CInit2Dialog : public CDialog {
  public:
    explicit CInit2Dialog(Product product);

  protected:
    BOOL OnInitDialog() override;

  private:
    Product product_;
};

class CInit3Dialog : public CDialog {
  public:
    explicit CInit3Dialog(std::string productTitle);

  protected:
    BOOL OnInitDialog() override;

  private:
    std::string productTitle_;
};
