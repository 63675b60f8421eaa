#ifndef PARTICLE_RECORD_GLSL
#define PARTICLE_RECORD_GLSL

// One particle as the storage buffers hold it (std430, 96 bytes).
struct Particle {
    vec3 position;
    float unused0;
    vec3 velocity;
    float unused1;
    vec4 color;
    float angle;
    float age;
    float lifetime;
    float unused2;
    vec3 randomVector;
    float unused3;
    vec3 startPosition;
    float unused4;
};

#endif
