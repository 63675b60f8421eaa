#version 450
#extension GL_GOOGLE_include_directive : require

// Meshes write what the lighting pass needs; nothing is lit here.
#include "mesh_fragment_inputs.glsl"
#include "material_buffer.glsl"
#include "surface_normal.glsl"
#include "gbuffer_targets.glsl"

void main()
{
    vec2 texCoord = meshTexCoord();
    vec3 albedo = texture(colorTexture, texCoord).rgb;
    vec3 normalTexel = texture(normalTexture, texCoord).rgb;
    vec3 normal = mappedNormal(tangentAndSign.xyz, tangentAndSign.w, normalAndV.xyz, normalTexel);

    outAlbedo = vec4(encodeAlbedo(albedo), 1.0);
    outNormal = vec4(normal, KIND_LIT);
    outCoefficients = vec4(clamp(vec3(material.coefficient1, material.coefficient2,
                                      material.coefficient3), 0.0, 1.0), 1.0);
    outMaterial = vec4(clamp(material.materialVector, 0.0, 1.0), clamp(normalTexel.b, 0.0, 1.0));
    outWorldPosition = vec4(meshWorldPosition(), 1.0);
}
