#include "renderer/DeviceChoice.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

DeviceFacts capableDevice()
{
    DeviceFacts device;
    device.features.samplerAnisotropy = VK_TRUE;
    device.features.independentBlend = VK_TRUE;
    device.features.geometryShader = VK_TRUE;
    device.graphicsQueue = true;
    device.presentation = true;
    device.swapChainExtension = true;
    device.surfaceOffers = true;
    return device;
}

DeviceFacts withoutGeometryShader()
{
    DeviceFacts device = capableDevice();
    device.features.geometryShader = VK_FALSE;
    return device;
}

} // namespace

TEST(DeviceChoiceTest, ADeviceWithoutGeometryShadersIsPassedOverWithANote)
{
    std::ostringstream notes;
    EXPECT_EQ(chooseDevice({withoutGeometryShader(), capableDevice()}, std::nullopt, notes), 1u);
    EXPECT_EQ(notes.str(), "Geometry shaders are not supported on this device.\n");
}

TEST(DeviceChoiceTest, TheFirstCapableDeviceWinsAndLaterOnesAreNotLookedAt)
{
    std::ostringstream notes;
    EXPECT_EQ(chooseDevice({capableDevice(), withoutGeometryShader()}, std::nullopt, notes), 0u);
    EXPECT_EQ(notes.str(), "");
}

TEST(DeviceChoiceTest, TheFeatureNotesKeepTheirOrder)
{
    DeviceFacts device = withoutGeometryShader();
    device.features.independentBlend = VK_FALSE;
    EXPECT_EQ(unsuitability(device), "Independent blending is not supported on this device.");
    device.features.samplerAnisotropy = VK_FALSE;
    EXPECT_EQ(unsuitability(device), "Anisotropic filtering is not supported on this device.");
    EXPECT_EQ(unsuitability(capableDevice()), "");
}

TEST(DeviceChoiceTest, EveryMissingPieceIsAReason)
{
    for (bool DeviceFacts::*piece : {&DeviceFacts::graphicsQueue, &DeviceFacts::presentation,
                                     &DeviceFacts::swapChainExtension, &DeviceFacts::surfaceOffers}) {
        DeviceFacts device = capableDevice();
        device.*piece = false;
        EXPECT_NE(unsuitability(device), "");
        std::ostringstream notes;
        EXPECT_FALSE(chooseDevice({device}, std::nullopt, notes).has_value());
    }
}

TEST(DeviceChoiceTest, ARequestedDeviceIsTakenOnlyIfItCanDraw)
{
    std::ostringstream notes;
    const std::vector<DeviceFacts> devices = {capableDevice(), withoutGeometryShader(), capableDevice()};
    EXPECT_EQ(chooseDevice(devices, 2u, notes), 2u);
    EXPECT_FALSE(chooseDevice(devices, 1u, notes).has_value());
    EXPECT_EQ(notes.str(), "Geometry shaders are not supported on this device.\n");
    EXPECT_FALSE(chooseDevice(devices, 3u, notes).has_value());
}
