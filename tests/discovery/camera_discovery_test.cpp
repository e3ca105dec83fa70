#include "discovery/camera_discovery.h"
#include "discovery/model_names.h"
#include "support/datagram_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using test::DiscoveryReplyFields;

struct Discovery : ::testing::Test {
    CameraList list;
    TDeviceItem selected;
    CameraDiscovery discovery{list, selected};

    bool add(const DiscoveryReplyFields& fields) {
        return discovery.addDiscoveredCamera(decodeDiscoveryReply(test::discoveryReply(fields)));
    }
};

DiscoveryReplyFields withFlags(std::uint8_t a, std::uint8_t b) {
    DiscoveryReplyFields fields;
    fields.setupFlagA = a;
    fields.setupFlagB = b;
    return fields;
}

TEST_F(Discovery, SetUpFlagsGiveStateAndView) {
    struct Case {
        std::uint8_t a, b;
        int state, view;
        bool isNew;
    };
    const Case cases[]{
        {0, 2, 1, 1, true},  {0, 1, 1, 1, true},  {3, 2, 3, 2, false}, {5, 1, 4, 2, false},
        {0, 0, 5, 2, false}, {1, 0, 5, 2, false}, {1, 3, 5, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "A=" << int(c.a) << " B=" << int(c.b));
        list.removeAllRows();
        discovery.clearNewCameraNames();
        ASSERT_TRUE(add(withFlags(c.a, c.b)));
        EXPECT_EQ(list.entry(0).state, c.state);
        EXPECT_EQ(list.entry(0).view, c.view);
        EXPECT_EQ(list.row(0).columns[kColumnState], std::to_string(c.state));
        EXPECT_EQ(discovery.newCameraNames(),
                  c.isNew ? std::vector<std::string>{"Garden"} : std::vector<std::string>{});
    }
}

TEST_F(Discovery, RowCarriesTheCamerasTexts) {
    ASSERT_TRUE(add({}));
    const CameraListRow& row = list.row(0);
    EXPECT_EQ(row.columns[kColumnMac], "00:1a:2b:3c:4d:5e");
    EXPECT_EQ(row.columns[kColumnIp], "192.168.  2.  3");
    EXPECT_EQ(row.columns[kColumnName], "Garden");
    EXPECT_EQ(row.columns[kColumnModel], ModelNameOf(3, 0, "0"));
    EXPECT_NE(row.columns[kColumnModel], kUnknownModelName);
}

TEST_F(Discovery, OneRowPerCameraAndOnlyForCameras) {
    DiscoveryReplyFields newCamera = withFlags(0, 2);
    EXPECT_TRUE(add(newCamera));
    EXPECT_FALSE(add(newCamera));
    DiscoveryReplyFields notACamera;
    notACamera.mac[5] = 0x77;
    notACamera.deviceClass = 4;
    EXPECT_FALSE(add(notACamera));
    EXPECT_EQ(list.rowCount(), 1);
    EXPECT_EQ(discovery.newCameraNames().size(), 1u);
}

DiscoveredCamera cameraOf(const DiscoveryReplyFields& fields) {
    return *discoveredCameraOf(decodeDiscoveryReply(test::discoveryReply(fields)));
}

DiscoveryReplyFields newCameraNamed(const char* name, std::uint8_t macByte) {
    DiscoveryReplyFields fields = withFlags(0, 2);
    fields.name = name;
    fields.mac[5] = macByte;
    return fields;
}

// A batch does what its replies one by one would: one row per camera, across batches too, the
// new cameras for the wizard in arrival order, and one notice to the views per batch.
TEST_F(Discovery, ABatchAddsEachCameraOnceAndNotesItInArrivalOrder) {
    int notices = 0;
    discovery.setListChanged([&notices] { ++notices; });
    EXPECT_EQ(discovery.addDiscoveredCameras({cameraOf(newCameraNamed("A", 1)),
                                              cameraOf(newCameraNamed("B", 2)),
                                              cameraOf(newCameraNamed("A again", 1))}),
              2);
    EXPECT_EQ(discovery.addDiscoveredCameras(
                  {cameraOf(newCameraNamed("B again", 2)), cameraOf(newCameraNamed("C", 3))}),
              1);
    EXPECT_EQ(discovery.addDiscoveredCameras({cameraOf(newCameraNamed("C again", 3))}), 0);
    EXPECT_EQ(notices, 2);
    EXPECT_EQ(list.rowCount(), 3);
    EXPECT_EQ(discovery.newCameraNames(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(Discovery, TheLastAddedTableLookupSetsTheSelectorAndTheTrackedCameraItsAddress) {
    selected.macText = "00:1a:2b:3c:4d:02";
    discovery.setTrackCameraAddress(true);
    DiscoveryReplyFields second = newCameraNamed("tracked", 2);
    second.ip = {10, 0, 0, 9};
    second.nameTableSelector = 2;
    DiscoveryReplyFields fixedModel = withFlags(0, 2); // a set-up model: no table lookup
    fixedModel.modelNumber = 20;
    fixedModel.vendorCode = 0;
    fixedModel.nameTableSelector = 1;
    fixedModel.mac[5] = 3;
    discovery.addDiscoveredCameras(
        {cameraOf(newCameraNamed("first", 1)), cameraOf(second), cameraOf(fixedModel)});
    EXPECT_EQ(discovery.nameTableSelectorText(), "2");
    EXPECT_EQ(selected.ipText, " 10.  0.  0.  9");
    EXPECT_EQ(discovery.cameraAddress(), " 10.  0.  0.  9");
}

TEST_F(Discovery, EveryNewCameraIsKeptForTheWizard) {
    for (int i = 0; i < 70; ++i) {
        DiscoveryReplyFields fields = withFlags(0, 2);
        fields.mac[4] = static_cast<std::uint8_t>(i);
        const std::string name = "New " + std::to_string(i);
        fields.name = name;
        ASSERT_TRUE(add(fields));
    }
    ASSERT_EQ(discovery.newCameraNames().size(), 70u);
    EXPECT_EQ(discovery.newCameraNames()[64], "New 64");
}

TEST_F(Discovery, SelectorOfTheLastTableLookupChoosesTheTable) {
    DiscoveryReplyFields fields;
    fields.modelNumber = 5;
    fields.vendorCode = 24;
    fields.nameTableSelector = 2;
    ASSERT_TRUE(add(fields));
    EXPECT_EQ(discovery.nameTableSelectorText(), "2");
    EXPECT_EQ(list.row(0).columns[kColumnModel], ModelNameOf(5, 24, "2"));

    // A set-up-capable model of the maker takes its name from the fixed list and leaves the
    // selector text as it was.
    DiscoveryReplyFields fixed = withFlags(0, 2);
    fixed.mac[5] = 0x01;
    fixed.modelNumber = 20;
    fixed.nameTableSelector = 1;
    ASSERT_TRUE(add(fixed));
    EXPECT_EQ(discovery.nameTableSelectorText(), "2");
    EXPECT_EQ(list.entry(0).model, DiscoveryModelName(20, 0, 2, "2"));
    EXPECT_NE(list.entry(0).model, ModelNameOf(20, 0, "2"));
}

TEST_F(Discovery, TracksTheSelectedCamerasAddressOnlyWhenAsked) {
    selected.macText = "00:1a:2b:3c:4d:5e";
    selected.ipText = "192.168.  2.200";
    ASSERT_TRUE(add({}));
    EXPECT_EQ(selected.ipText, "192.168.  2.200");

    list.removeAllRows();
    discovery.setTrackCameraAddress(true);
    DiscoveryReplyFields other;
    other.mac[5] = 0x01;
    other.ip = {10, 0, 0, 9};
    ASSERT_TRUE(add(other));
    EXPECT_EQ(selected.ipText, "192.168.  2.200");
    ASSERT_TRUE(add({}));
    EXPECT_EQ(selected.ipText, "192.168.  2.  3");
    EXPECT_EQ(discovery.cameraAddress(), "192.168.  2.  3");
}

TEST_F(Discovery, ViewsHearOfEveryAddedRow) {
    int changes = 0;
    discovery.setListChanged([&] { ++changes; });
    add({});
    add({});
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace vistrel
