KESTRO placeholder graphics
channel folder: teleon
file: misc8.fsh
