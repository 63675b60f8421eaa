#version 450
#extension GL_GOOGLE_include_directive : require

// Meshes as the reflective cube sees them. There is no G-buffer in this pass, so
// the colour is finished here with a cheap version of the main lighting (sky
// ambient and sun diffuse, no specular), tone-mapped and hazed like the main
// image. The face is sRGB: the value written is linear.
#include "mesh_fragment_inputs.glsl"
#include "material_buffer.glsl"
#include "surface_normal.glsl"
#include "scene_light.glsl"

layout(location = 3) flat in vec3 eyePosition;

layout(location = 0) out vec4 outColor;

void main()
{
    vec2 texCoord = meshTexCoord();
    vec3 albedo = texture(colorTexture, texCoord).rgb;
    vec3 normalTexel = texture(normalTexture, texCoord).rgb;
    vec3 normal = mappedNormal(tangentAndSign.xyz, tangentAndSign.w, normalAndV.xyz, normalTexel);

    float ambientWeight = mix(0.35, 1.0, clamp(material.materialVector.x, 0.0, 1.0));
    float diffuseWeight = clamp(material.materialVector.y, 0.0, 1.0);
    float sunLight = max(dot(normal, SUN_DIRECTION), 0.0) * SUN_INTENSITY / PI;
    // The normal map's blue channel is the texture's baked occlusion, as in the G-buffer pass.
    float occlusion = clamp(normalTexel.b, 0.0, 1.0);
    vec3 lit = albedo * (skyAmbient(normal) * ambientWeight * occlusion
                         + diffuseWeight * sunLight * mix(1.0, occlusion, 0.4));

    vec3 color = throughHaze(toneMap(lit), eyePosition, meshWorldPosition(), SUN_DIRECTION);
    outColor = vec4(isFiniteColor(color) ? color : HAZE_COLOR, 1.0);
}
