#version 450
#extension GL_GOOGLE_include_directive : require

// Meshes as the reflective cube sees them. There is no G-buffer in this pass, so
// the colour is finished here with a cheap version of the main lighting (sky
// ambient and sun diffuse, no specular), tone-mapped and hazed like the main
// image. The face is sRGB: the value written is linear. Six faces of these
// pixels cost more than the whole main frame, and a six-unit mirror shows no
// bump: the surface normal is the mesh's own, without the normal map.
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
    // A normal that interpolates to nothing still lies across the surface's tangent.
    float normalLength = length(normalAndV.xyz);
    vec3 normal = normalLength > 1e-6 ? normalAndV.xyz / normalLength : anyPerpendicular(tangentAndSign.xyz);

    float ambientWeight = mix(0.35, 1.0, clamp(material.materialVector.x, 0.0, 1.0));
    float diffuseWeight = clamp(material.materialVector.y, 0.0, 1.0);
    float sunLight = max(dot(normal, SUN_DIRECTION), 0.0) * SUN_INTENSITY / PI;
    vec3 lit = albedo * (skyAmbient(normal) * ambientWeight + diffuseWeight * sunLight);

    vec3 color = throughHaze(toneMap(lit), eyePosition, meshWorldPosition(), SUN_DIRECTION);
    outColor = vec4(isFiniteColor(color) ? color : HAZE_COLOR, 1.0);
}
