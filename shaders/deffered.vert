#version 450

// The full-screen quad of the lighting pass. Its screen position is taken from
// its texture coordinates, so the G-buffer is read upright however the plane
// was modelled. It lies on the far plane, where the G-buffer's depth still is
// on the pixels that only the sky covers.
layout(location = 1) in vec2 inTexCoord;

layout(location = 0) out vec2 screenCoord;

void main()
{
    screenCoord = inTexCoord;
    gl_Position = vec4(inTexCoord * 2.0 - 1.0, 1.0, 1.0);
}
