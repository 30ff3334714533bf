#include <windows.h>

#include <gtest/gtest.h>

#include "published_iids.h"
#include "winrt/media_control_win.h"
#include "winrt/notifications_win.h"
#include "winrt/storage_streams_win.h"

namespace notch::winrt {
namespace {

TEST(WinrtDeclarationsTest, InterfacesCarryTheirPublishedIids) {
  testing::ExpectPublishedIids({
      {IGlobalSystemMediaTransportControlsSessionManagerStatics::Iid(), L"{2050c4ee-11a0-57de-aed7-c97c70338245}"},
      {IGlobalSystemMediaTransportControlsSessionManager::Iid(), L"{cace8eac-e86e-504a-ab31-5ff8ff1bce49}"},
      {IGlobalSystemMediaTransportControlsSession::Iid(), L"{7148c835-9b14-5ae2-ab85-dc9b1c14e1a8}"},
      {IGlobalSystemMediaTransportControlsSessionMediaProperties::Iid(), L"{68856cf6-adb4-54b2-ac16-05837907acb6}"},
      {IGlobalSystemMediaTransportControlsSessionPlaybackInfo::Iid(), L"{94b4b6cf-e8ba-51ad-87a7-c10ade106127}"},
      {IGlobalSystemMediaTransportControlsSessionPlaybackControls::Iid(), L"{6501a3e6-bc7a-503a-bb1b-68f158f3fb03}"},
      {IGlobalSystemMediaTransportControlsSessionTimelineProperties::Iid(), L"{ede34136-6f25-588d-8ecf-ea5b6735aaa5}"},
      {ICurrentSessionChangedEventArgs::Iid(), L"{6969cb39-0bfa-5fe0-8d73-09cc5e5408e1}"},
      {IMediaPropertiesChangedEventArgs::Iid(), L"{7d3741cb-adf0-5cef-91ba-cfabcdd77678}"},
      {IPlaybackInfoChangedEventArgs::Iid(), L"{786756c2-bc0d-50a5-8807-054291fef139}"},
      {ITimelinePropertiesChangedEventArgs::Iid(), L"{29033a2f-c923-5a77-bcaf-055ff415ad32}"},
      {IRandomAccessStreamReference::Iid(), L"{33ee3134-1dd6-4e3a-8067-d1c162e8642b}"},
      {IRandomAccessStreamWithContentType::Iid(), L"{cc254827-4b3d-438f-9232-10c76bc7e038}"},
      {IAsyncAction::Iid(), L"{5a648006-843a-4da9-865b-9d26e5dfad7b}"},
      {IAsyncActionCompletedHandler::Iid(), L"{a4ed5c81-76c9-40bd-8be6-b1d90fb20ae7}"},
      {IUserNotificationListenerStatics::Iid(), L"{ff6123cf-4386-4aa3-b73d-b804e5b63b23}"},
      {IUserNotificationListener::Iid(), L"{62553e41-8a06-4cef-8215-6033a5be4b03}"},
      {IUserNotification::Iid(), L"{adf7e52f-4e53-42d5-9c33-eb5ea515b23e}"},
      {INotification::Iid(), L"{108037fe-eb76-4f82-97bc-da07530a2e20}"},
      {INotificationVisual::Iid(), L"{68835b8e-aa56-4e11-86d3-5f9a6957bc5b}"},
      {INotificationBinding::Iid(), L"{f29e4b85-0370-4ad3-b4ea-da9e35e7eabf}"},
      {IAdaptiveNotificationText::Iid(), L"{46d4a3be-609a-4326-a40b-bfde872034a3}"},
      {IAppInfo::Iid(), L"{cf7f59b3-6a09-4de8-a6c0-5792d56880d1}"},
      {IAppDisplayInfo::Iid(), L"{1aeb1103-e4d4-41aa-a4f6-c4a276e79eac}"},
  });
}

// The values the Windows SDK headers publish for these instances.
TEST(WinrtDeclarationsTest, GenericInstancesCarryTheirPublishedIids) {
  testing::ExpectPublishedIids({
      {SessionManagerRequest::Iid(), L"{3eec115e-7346-5c27-8c5f-da78514a277b}"},
      {SessionManagerRequest::CompletedHandler::Iid(), L"{10f0074e-923d-5510-8f4a-dde37754ca0e}"},
      {MediaPropertiesRequest::Iid(), L"{b185e6f3-e0d8-51cb-913f-c98d48c93c46}"},
      {MediaPropertiesRequest::CompletedHandler::Iid(), L"{84593a3d-951a-55b6-8353-5205e577797b}"},
      {CommandRequest::Iid(), L"{cdb5efb3-5788-509d-9be1-71ccb8a3362a}"},
      {CommandRequest::CompletedHandler::Iid(), L"{c1d3d1a2-ae17-5a5f-b5a2-bdcc8844889a}"},
      {CurrentSessionChangedHandler::Iid(), L"{228bd0ed-1fa2-5e9b-a6ec-42566173103b}"},
      {MediaPropertiesChangedHandler::Iid(), L"{0f2ce2b7-afa7-5ed0-8cb6-8c40cf9b3a5f}"},
      {PlaybackInfoChangedHandler::Iid(), L"{2bdf1426-d41f-5896-897f-efc0b0fa7392}"},
      {TimelinePropertiesChangedHandler::Iid(), L"{e8bf62af-fac1-5fff-9053-0bf191ae777e}"},
      {StreamOpenRequest::Iid(), L"{c4a57c5e-32b0-55b3-ad13-ce1c23041ed6}"},
      {StreamOpenRequest::CompletedHandler::Iid(), L"{3dddecf4-1d39-58e8-83b1-dbed541c7f35}"},
      {IReference<bool>::Iid(), L"{3c00fd60-2950-5939-a21a-2d12c5a01b8a}"},
      {AccessStatusRequest::Iid(), L"{0fbad8c7-086f-5bf9-81e2-8d79e7184803}"},
      {AccessStatusRequest::CompletedHandler::Iid(), L"{f09e843a-13cb-559b-a9fc-015722c2cd57}"},
      {UserNotificationList::Iid(), L"{5a08f98c-8e45-5705-af54-f5418e598392}"},
      {UserNotificationsRequest::Iid(), L"{bf7f3d3c-230f-54ea-ad74-0cf6c55cd8d1}"},
      {UserNotificationsRequest::CompletedHandler::Iid(), L"{9e42ed08-45b3-5643-b5c7-b216f5781594}"},
      {AdaptiveNotificationTextList::Iid(), L"{b60de92b-4e12-55af-b42f-afe2d70ba278}"},
  });
}

}  // namespace
}  // namespace notch::winrt
