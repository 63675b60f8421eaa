#ifndef SURFACE_NORMAL_GLSL
#define SURFACE_NORMAL_GLSL

// A unit vector perpendicular to `n`, for frames whose tangent collapsed.
vec3 anyPerpendicular(vec3 n)
{
    vec3 axis = abs(n.x) < 0.9 ? vec3(1.0, 0.0, 0.0) : vec3(0.0, 1.0, 0.0);
    return normalize(cross(n, axis));
}

// The side of the normal-tangent plane the loader's bitangent lies on, as the
// sign the cross product n x t must take to point up the image (the loader's
// bitangent follows the flipped v, down the image).
float bitangentSign(vec3 normal, vec3 tangent, vec3 bitangent)
{
    return dot(cross(normal, tangent), bitangent) > 0.0 ? -1.0 : 1.0;
}

// Normal maps use the common tangent-space convention: red along +u, green
// towards the top of the image. The normal points out of the surface, so its
// third component follows from the other two, and the blue channel carries the
// texel's baked occlusion instead. The loader's frame is per triangle and not
// orthogonal, so the frame is rebuilt here: Gram-Schmidt for the tangent, the
// bitangent from the cross product with the handedness the vertices computed
// (interpolated, so only its sign counts).
vec3 mappedNormal(vec3 tangent, float handedness, vec3 normal, vec3 normalTexel)
{
    float normalLength = length(normal);
    vec3 n = normalLength > 1e-6 ? normal / normalLength : vec3(0.0, -1.0, 0.0);
    vec3 t = tangent - n * dot(n, tangent);
    float tangentLength = length(t);
    t = tangentLength > 1e-5 ? t / tangentLength : anyPerpendicular(n);
    vec3 b = handedness < 0.0 ? -cross(n, t) : cross(n, t);
    vec2 lean = normalTexel.xy * 2.0 - 1.0;
    float outward = sqrt(max(1.0 - dot(lean, lean), 0.0));
    vec3 perturbed = t * lean.x + b * lean.y + n * outward;
    float perturbedLength = length(perturbed);
    return perturbedLength > 1e-4 ? perturbed / perturbedLength : n;
}

#endif
