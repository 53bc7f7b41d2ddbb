#include "SapConnectionDialog_win.h"

#include "resource.h"
#include "ui/DataExchange.h"

namespace {

// SAP's system numbers are two decimal digits.
constexpr int kLowestSystemNumber = 0, kHighestSystemNumber = 99;
// Room for any host name or logon field; a router string chains several
// hosts and ports.
constexpr size_t kFieldLength = 100;
constexpr size_t kRouterStringLength = 250;

} // namespace

CSapConnectionDialog::CSapConnectionDialog(CDialog* owner, const SapSettings& settings)
    : CTranslateDialog(IDD_SAP_CONNECTION, owner), settings_(settings) {}

void CSapConnectionDialog::DoDataExchange(CDataExchange& dx) {
    ExchangeText(dx, IDC_SAP_SYSTEM_NAME, settings_.systemName, kFieldLength);
    ExchangeInt(dx, IDC_SAP_SYSTEM_NUMBER, settings_.systemNumber, kLowestSystemNumber,
                kHighestSystemNumber);
    ExchangeText(dx, IDC_SAP_USER, settings_.user, kFieldLength);
    // The edit hides what is typed; the password lives only in memory.
    ExchangeText(dx, IDC_SAP_PASSWORD, settings_.password, kFieldLength);
    ExchangeText(dx, IDC_SAP_CLIENT, settings_.client, kFieldLength);
    ExchangeText(dx, IDC_SAP_HOST_NAME, settings_.hostName, kFieldLength);
    ExchangeText(dx, IDC_SAP_ROUTER, settings_.routerString, kRouterStringLength);
    int loadBalancing = settings_.loadBalancing ? BST_CHECKED : BST_UNCHECKED;
    ExchangeCheck(dx, IDC_SAP_LOAD_BALANCING, loadBalancing);
    settings_.loadBalancing = loadBalancing == BST_CHECKED;
    ExchangeText(dx, IDC_SAP_MESSAGE_SERVER, settings_.messageServer, kFieldLength);
    ExchangeText(dx, IDC_SAP_GROUP, settings_.group, kFieldLength);
}
