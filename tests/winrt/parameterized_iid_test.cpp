#include "winrt/parameterized_iid.h"

#include <gtest/gtest.h>

namespace notch::winrt {
namespace {

Guid Iid(const char* text) { return *ParseGuid(text); }

const Guid kAsyncOperation = Iid("9fc2b0bb-e446-44e2-aa61-9cab8f636af2");
const Guid kAsyncOperationCompletedHandler = Iid("fcdcf02c-e5d8-4478-915a-4d90b74b83a5");
const Guid kTypedEventHandler = Iid("9de1c534-6ae1-11e0-84e1-18a905bcc53f");
const Guid kReference = Iid("61c17706-2d65-11e0-9ae8-d48564015472");

std::string MediaClass(std::string_view name, const char* default_interface) {
  return RuntimeClassSignature("Windows.Media.Control." + std::string(name),
                               InterfaceSignature(Iid(default_interface)));
}

const std::string kSessionManager =
    MediaClass("GlobalSystemMediaTransportControlsSessionManager", "cace8eac-e86e-504a-ab31-5ff8ff1bce49");
const std::string kSession =
    MediaClass("GlobalSystemMediaTransportControlsSession", "7148c835-9b14-5ae2-ab85-dc9b1c14e1a8");
const Guid kVectorView = Iid("bbe1fa4c-b0e3-4583-baef-1f1b2e483e56");
const std::string kUserNotification = RuntimeClassSignature(
    "Windows.UI.Notifications.UserNotification", InterfaceSignature(Iid("adf7e52f-4e53-42d5-9c33-eb5ea515b23e")));
const std::string kUserNotificationList = ParameterizedSignature(kVectorView, {kUserNotification});
const std::string kAccessStatus =
    EnumSignature("Windows.UI.Notifications.Management.UserNotificationListenerAccessStatus", "i4");
const std::string kStreamWithContentType = InterfaceSignature(Iid("cc254827-4b3d-438f-9232-10c76bc7e038"));

TEST(ParameterizedIidTest, BuildsSignaturesAsTheMetadataSpellsThem) {
  EXPECT_EQ(ParameterizedSignature(kAsyncOperation, {kBooleanSignature}),
            "pinterface({9fc2b0bb-e446-44e2-aa61-9cab8f636af2};b1)");
  EXPECT_EQ(kSessionManager,
            "rc(Windows.Media.Control.GlobalSystemMediaTransportControlsSessionManager;"
            "{cace8eac-e86e-504a-ab31-5ff8ff1bce49})");
  EXPECT_EQ(ParameterizedSignature(kTypedEventHandler, {"{00000000-0000-0000-0000-000000000001}", "b1"}),
            "pinterface({9de1c534-6ae1-11e0-84e1-18a905bcc53f};{00000000-0000-0000-0000-000000000001};b1)");
  EXPECT_EQ(kAccessStatus, "enum(Windows.UI.Notifications.Management.UserNotificationListenerAccessStatus;i4)");
}

// Each expected value is the IID the Windows SDK headers publish for that instance.
TEST(ParameterizedIidTest, MatchesThePublishedInstances) {
  const struct {
    std::string signature;
    const char* published;
  } cases[] = {
      {ParameterizedSignature(kAsyncOperation, {kBooleanSignature}), "cdb5efb3-5788-509d-9be1-71ccb8a3362a"},
      {ParameterizedSignature(kAsyncOperationCompletedHandler, {kBooleanSignature}),
       "c1d3d1a2-ae17-5a5f-b5a2-bdcc8844889a"},
      {ParameterizedSignature(kReference, {kBooleanSignature}), "3c00fd60-2950-5939-a21a-2d12c5a01b8a"},
      {ParameterizedSignature(kAsyncOperation, {kSessionManager}), "3eec115e-7346-5c27-8c5f-da78514a277b"},
      {ParameterizedSignature(kAsyncOperationCompletedHandler, {kSessionManager}),
       "10f0074e-923d-5510-8f4a-dde37754ca0e"},
      {ParameterizedSignature(kTypedEventHandler, {kSession, MediaClass("MediaPropertiesChangedEventArgs",
                                                                        "7d3741cb-adf0-5cef-91ba-cfabcdd77678")}),
       "0f2ce2b7-afa7-5ed0-8cb6-8c40cf9b3a5f"},
      {ParameterizedSignature(
           kTypedEventHandler,
           {kSessionManager, MediaClass("CurrentSessionChangedEventArgs", "6969cb39-0bfa-5fe0-8d73-09cc5e5408e1")}),
       "228bd0ed-1fa2-5e9b-a6ec-42566173103b"},
      {ParameterizedSignature(kAsyncOperation, {kStreamWithContentType}), "c4a57c5e-32b0-55b3-ad13-ce1c23041ed6"},
      {ParameterizedSignature(kAsyncOperationCompletedHandler, {kStreamWithContentType}),
       "3dddecf4-1d39-58e8-83b1-dbed541c7f35"},
      {ParameterizedSignature(kAsyncOperation, {kAccessStatus}), "0fbad8c7-086f-5bf9-81e2-8d79e7184803"},
      {ParameterizedSignature(kAsyncOperationCompletedHandler, {kAccessStatus}),
       "f09e843a-13cb-559b-a9fc-015722c2cd57"},
      {kUserNotificationList, "5a08f98c-8e45-5705-af54-f5418e598392"},
      {ParameterizedSignature(kAsyncOperation, {kUserNotificationList}), "bf7f3d3c-230f-54ea-ad74-0cf6c55cd8d1"},
      {ParameterizedSignature(kAsyncOperationCompletedHandler, {kUserNotificationList}),
       "9e42ed08-45b3-5643-b5c7-b216f5781594"},
      {ParameterizedSignature(kVectorView,
                              {RuntimeClassSignature("Windows.UI.Notifications.AdaptiveNotificationText",
                                                     InterfaceSignature(Iid("46d4a3be-609a-4326-a40b-bfde872034a3")))}),
       "b60de92b-4e12-55af-b42f-afe2d70ba278"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatGuid(ParameterizedIid(c.signature)), c.published) << c.signature;
}

TEST(ParameterizedIidTest, AlwaysNamesAVersionFiveRfcUuid) {
  for (const std::string_view signature : {"", "b1", "pinterface({9fc2b0bb-e446-44e2-aa61-9cab8f636af2};i4)"}) {
    const Guid iid = ParameterizedIid(signature);
    EXPECT_EQ(iid.data3 >> 12, 5) << signature;
    EXPECT_EQ(iid.data4[0] & 0xC0, 0x80) << signature;
  }
}

}  // namespace
}  // namespace notch::winrt
