// The radio, device enumeration and networking declarations against the IIDs
// Windows publishes for them, including computed generic instances.
#include <windows.h>

#include <gtest/gtest.h>

#include "published_iids.h"
#include "winrt/device_enumeration_win.h"
#include "winrt/networking_win.h"
#include "winrt/radios_win.h"

namespace notch::winrt {
namespace {

TEST(RadioDeclarationsTest, InterfacesCarryTheirPublishedIids) {
  testing::ExpectPublishedIids({
      {IRadio::Iid(), L"{252118df-b33e-416a-875f-1cf38ae2d83e}"},
      {IRadioStatics::Iid(), L"{5fb6a12e-67cb-46ae-aae9-65919f86eff4}"},
      {IDeviceInformation::Iid(), L"{aba0fb95-4398-489d-8e44-e6130927011f}"},
      {IDeviceInformation2::Iid(), L"{f156a638-7997-48d9-a10c-269d46533f48}"},
      {IDeviceInformationStatics2::Iid(), L"{493b4f34-a84f-45fd-9167-15d1cb1bd1f9}"},
      {IDeviceInformationPairing::Iid(), L"{2c4769f5-f684-40d5-8469-e8dbaab70485}"},
      {IDeviceInformationPairing2::Iid(), L"{f68612fd-0aee-4328-85cc-1c742bb1790d}"},
      {IDeviceInformationCustomPairing::Iid(), L"{85138c02-4ee6-4914-8370-107a39144c0e}"},
      {IDevicePairingRequestedEventArgs::Iid(), L"{f717fc56-de6b-487f-8376-0180aca69963}"},
      {IDevicePairingResult::Iid(), L"{072b02bf-dd95-4025-9b37-de51adba37b7}"},
      {IDeferral::Iid(), L"{d6269732-3b7f-46a7-b40b-4fdca2a2c693}"},
      {IConnectionProfile::Iid(), L"{71ba143c-598e-49d0-84eb-8febaedcc195}"},
      {INetworkInformationStatics::Iid(), L"{5074f851-950d-4165-9c15-365619481eea}"},
      {INetworkOperatorTetheringManager::Iid(), L"{d45a8da0-0e86-4d98-8ba4-dd70d4b764d3}"},
      {INetworkOperatorTetheringManagerStatics2::Iid(), L"{5b235412-35f0-49e7-9b08-16d278fbaa42}"},
      {INetworkOperatorTetheringAccessPointConfiguration::Iid(), L"{0bcc0284-412e-403d-acc6-b757e34774a4}"},
      {INetworkOperatorTetheringOperationResult::Iid(), L"{ebd203a1-01ba-476d-b4b3-bf3d12c8f80c}"},
  });
}

// The values the Windows SDK headers publish for these instances.
TEST(RadioDeclarationsTest, GenericInstancesCarryTheirPublishedIids) {
  testing::ExpectPublishedIids({
      {RadioAccessRequest::Iid(), L"{21fb30ef-072f-502c-9898-d0c3b2cd9ac5}"},
      {RadioAccessRequest::CompletedHandler::Iid(), L"{bd248e73-f05f-574c-ae3d-9b95c4bf282a}"},
      {RadioList::Iid(), L"{65066c36-090b-5466-b8e5-e7565dc34175}"},
      {DeviceInformationList::Iid(), L"{e170688f-3495-5bf6-aab5-9cac17e0f10f}"},
      {DeviceListRequest::Iid(), L"{45180254-082e-5274-b2e7-ac0517f44d07}"},
      {DeviceListRequest::CompletedHandler::Iid(), L"{4a458732-527e-5c73-9a68-a73da370f782}"},
      {IAsyncOperation<DeviceInformation>::Iid(), L"{07faa053-eb2f-5cba-b25b-d9d57be6715f}"},
      {PairingRequest::Iid(), L"{1002db74-8948-591e-815d-e40b667599a3}"},
      {PairingRequest::CompletedHandler::Iid(), L"{7ee0247f-5f57-5cb2-b40e-18b5a211d6c3}"},
      {PropertyNames::Iid(), L"{e2fcc7c1-3bfc-5a0b-b2b0-72e769d1cb7e}"},
      {PropertyMap::Iid(), L"{bb78502a-f79d-54fa-92c9-90c5039fdf7e}"},
  });
}

}  // namespace
}  // namespace notch::winrt
