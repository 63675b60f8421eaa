#version 450
#extension GL_GOOGLE_include_directive : require

// Dust into the G-buffer. Only the albedo attachment is blended, so the lighting
// pass cannot tell the dust apart from what lies behind it; the dust is therefore
// lit here, with the same model the reflective cube's faces use, and blended in as
// a finished colour. albedo.a keeps the last sprite's alpha; the other targets
// take the dust's own values.
#include "dust_sprite.glsl"
#include "dust_light.glsl"
#include "gbuffer_targets.glsl"

void main()
{
    float alpha = dustAlpha();
    if (alpha < DUST_MIN_ALPHA) {
        discard;
    }
    outAlbedo = vec4(encodeAlbedo(finishedDust(dustAlbedo(), dustNormal())), alpha);
    outNormal = vec4(dustNormal(), KIND_DUST);
    outCoefficients = vec4(0.0, 1.0, 0.1, 1.0);
    outMaterial = vec4(1.0, 0.8, 0.0, 1.0);
    outWorldPosition = vec4(spriteWorldPosition, 1.0);
}
