#version 450
#extension GL_GOOGLE_include_directive : require

// Dust as the reflective cube sees it, finished here (no G-buffer in this pass)
// and alpha-blended into the face. The face is sRGB: the value written is linear.
#include "dust_sprite.glsl"
#include "dust_light.glsl"

layout(location = 0) out vec4 outColor;

void main()
{
    float alpha = dustAlpha();
    if (alpha < DUST_MIN_ALPHA) {
        discard;
    }
    outColor = vec4(finishedDust(dustAlbedo(), dustNormal()), alpha);
}
