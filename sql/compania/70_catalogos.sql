-- Catalogues the documents refer to: inventory grouping, brands, the people
-- and companies of the commercial modules, and a few small code tables.
-- Rows are identified by their code, the same in every company.  Composite
-- codes travel in the audit trail joined by '|' (family|group, ...), so the
-- parts of a composite key never hold that character.

-- Inventory families (first level of the grouping).
CREATE TABLE FAMILIA_INVENTARIO (
  FAIN_COD     VARCHAR(5) NOT NULL,   -- 0  family
  FAIN_NOMBRE  VARCHAR(60) NOT NULL,  -- 1  name
  FAIN_ACTIVA  CHAR(1) DEFAULT 'S',   -- 2  N when no longer used
  CONSTRAINT PK_FAMILIA_INVENTARIO PRIMARY KEY (FAIN_COD)
);

-- Inventory groups within a family.
CREATE TABLE GRUPO_INVENTARIO (
  FAIN_COD     VARCHAR(5) NOT NULL,   -- 0  family
  GRIN_COD     VARCHAR(5) NOT NULL,   -- 1  group within the family
  GRIN_NOMBRE  VARCHAR(60) NOT NULL,  -- 2  name
  GRIN_ACTIVO  CHAR(1) DEFAULT 'S',   -- 3  N when no longer used
  CONSTRAINT PK_GRUPO_INVENTARIO PRIMARY KEY (FAIN_COD, GRIN_COD)
);

-- Inventory subgroups within a group.
CREATE TABLE SUBGRUPO_INVENTARIO (
  FAIN_COD     VARCHAR(5) NOT NULL,   -- 0  family
  GRIN_COD     VARCHAR(5) NOT NULL,   -- 1  group
  SGIN_COD     VARCHAR(5) NOT NULL,   -- 2  subgroup within the group
  SGIN_NOMBRE  VARCHAR(60) NOT NULL,  -- 3  name
  SGIN_ACTIVO  CHAR(1) DEFAULT 'S',   -- 4  N when no longer used
  CONSTRAINT PK_SUBGRUPO_INVENTARIO PRIMARY KEY (FAIN_COD, GRIN_COD, SGIN_COD)
);

-- Brands.
CREATE TABLE MARCAS (
  MARC_COD     VARCHAR(5) NOT NULL,   -- 0  brand
  MARC_NOMBRE  VARCHAR(60) NOT NULL,  -- 1  name
  MARC_ACTIVA  CHAR(1) DEFAULT 'S',   -- 2  N when no longer used
  CONSTRAINT PK_MARCAS PRIMARY KEY (MARC_COD)
);

-- Sub-brands within a brand.
CREATE TABLE SUBMARCA (
  MARC_COD     VARCHAR(5) NOT NULL,   -- 0  brand
  SUBM_COD     VARCHAR(5) NOT NULL,   -- 1  sub-brand within the brand
  SUBM_NOMBRE  VARCHAR(60) NOT NULL,  -- 2  name
  SUBM_ACTIVA  CHAR(1) DEFAULT 'S',   -- 3  N when no longer used
  CONSTRAINT PK_SUBMARCA PRIMARY KEY (MARC_COD, SUBM_COD)
);

-- ---------------------------------------------------------------- people and companies

-- Third parties: every person or company the books name.
CREATE TABLE TERCEROS (
  TERC_NIT             VARCHAR(20) NOT NULL,       -- 0  tax identification (NIT or id card)
  TERC_DV              CHAR(1),                    -- 1  check digit of the NIT
  TERC_TIPO_ID         CHAR(2) DEFAULT 'NI',       -- 2  NI NIT, CC id card, CE foreigner id, PA passport
  TERC_PERSONA         CHAR(1) DEFAULT 'J',        -- 3  N natural person, J company
  TERC_NOMBRE          VARCHAR(120) NOT NULL,      -- 4  name or company name
  TERC_COMERCIAL       VARCHAR(120),               -- 5  trade name
  TERC_DIRECCION       VARCHAR(140),               -- 6  address
  CIUD_COD             VARCHAR(8),                 -- 7  city
  TERC_TELEFONO        VARCHAR(40),                -- 8  telephones
  TERC_CELULAR         VARCHAR(20),                -- 9  mobile
  TERC_EMAIL           VARCHAR(80),                -- 10 e-mail
  TERC_REGIMEN         CHAR(1) DEFAULT 'C',        -- 11 C common VAT regime, S simplified
  TERC_AUTORRETENEDOR  CHAR(1) DEFAULT 'N',        -- 12 S when it withholds its own income tax
  TERC_ACTIVO          CHAR(1) DEFAULT 'S',        -- 13 N when blocked
  TERC_FECCREA         DATE DEFAULT CURRENT_DATE,  -- 14 creation date
  TERC_OBSERVACIONES   BLOB SUB_TYPE TEXT,         -- 15 free notes
  CONSTRAINT PK_TERCEROS PRIMARY KEY (TERC_NIT)
);

CREATE INDEX IX_TERCEROS_NOMBRE ON TERCEROS (TERC_NOMBRE);

-- Customers: the selling terms of a third party.
CREATE TABLE CLIENTES (
  TERC_NIT             VARCHAR(20) NOT NULL,       -- 0  customer (TERCEROS)
  CLIE_CUPO            NUMERIC(15,2) DEFAULT 0,    -- 1  credit limit
  CLIE_PLAZO           INTEGER DEFAULT 0,          -- 2  credit days
  LIPR_COD             VARCHAR(5),                 -- 3  price list
  VEND_COD             INTEGER,                    -- 4  seller
  COBR_COD             INTEGER,                    -- 5  collector
  CLIE_PORC_DESC       NUMERIC(5,2) DEFAULT 0,     -- 6  usual discount %
  CLIE_ZONA            VARCHAR(5),                 -- 7  sales zone
  CLIE_ACUMULA_PUNTOS  CHAR(1) DEFAULT 'S',        -- 8  S when the customer earns points (PUNTOS_CLIENTE)
  CLIE_BLOQUEADO       CHAR(1) DEFAULT 'N',        -- 9  S when sales on credit are blocked
  CLIE_FECCREA         DATE DEFAULT CURRENT_DATE,  -- 10 creation date
  CONSTRAINT PK_CLIENTES PRIMARY KEY (TERC_NIT)
);

-- Suppliers: the buying terms of a third party.
CREATE TABLE PROVEEDORES (
  TERC_NIT              VARCHAR(20) NOT NULL,       -- 0  supplier (TERCEROS)
  PROV_PLAZO            INTEGER DEFAULT 0,          -- 1  credit days granted to us
  PROV_CUPO             NUMERIC(15,2) DEFAULT 0,    -- 2  credit limit granted to us
  PROV_PORC_DESC        NUMERIC(5,2) DEFAULT 0,     -- 3  usual discount %
  PROV_PORC_RETEFUENTE  NUMERIC(7,4) DEFAULT 0,     -- 4  income tax withholding rate
  PROV_PORC_RETEICA     NUMERIC(7,4) DEFAULT 0,     -- 5  local tax withholding rate
  CUEN_COD              VARCHAR(20),                -- 6  payables account
  PROV_CONTACTO         VARCHAR(80),                -- 7  contact person
  PROV_FECCREA          DATE DEFAULT CURRENT_DATE,  -- 8  creation date
  CONSTRAINT PK_PROVEEDORES PRIMARY KEY (TERC_NIT)
);

-- Collectors.
CREATE TABLE COBRADORES (
  COBR_COD            INTEGER NOT NULL,        -- 0  collector number
  COBR_NOMBRE         VARCHAR(80) NOT NULL,    -- 1  name
  TERC_NIT            VARCHAR(20),             -- 2  as a third party
  COBR_PORC_COMISION  NUMERIC(5,2) DEFAULT 0,  -- 3  commission % on collections
  COBR_ZONA           VARCHAR(5),              -- 4  zone
  COBR_ACTIVO         CHAR(1) DEFAULT 'S',     -- 5  N when no longer working
  CONSTRAINT PK_COBRADORES PRIMARY KEY (COBR_COD)
);

-- Sellers.
CREATE TABLE VENDEDORES (
  VEND_COD            INTEGER NOT NULL,         -- 0  seller number
  VEND_NOMBRE         VARCHAR(80) NOT NULL,     -- 1  name
  TERC_NIT            VARCHAR(20),              -- 2  as a third party
  VEND_PORC_COMISION  NUMERIC(5,2) DEFAULT 0,   -- 3  commission % on sales
  VEND_ZONA           VARCHAR(5),               -- 4  zone
  VEND_META           NUMERIC(15,2) DEFAULT 0,  -- 5  monthly sales target
  VEND_ACTIVO         CHAR(1) DEFAULT 'S',      -- 6  N when no longer working
  CONSTRAINT PK_VENDEDORES PRIMARY KEY (VEND_COD)
);

-- ---------------------------------------------------------------- code tables

-- Voucher types of the accounting vouchers.
CREATE TABLE TIPO_COMPROBANTE (
  TICO_COD     CHAR(3) NOT NULL,      -- 0  voucher type
  TICO_NOMBRE  VARCHAR(60) NOT NULL,  -- 1  name
  TICO_NIIF    CHAR(1) DEFAULT 'S',   -- 2  S when it also carries IFRS entries
  CONSTRAINT PK_TIPO_COMPROBANTE PRIMARY KEY (TICO_COD)
);

-- Bank accounts of the company.
CREATE TABLE CUENTAS_BANCARIAS (
  CUBA_COD     INTEGER NOT NULL,      -- 0  bank account code
  CUBA_NOMBRE  VARCHAR(60) NOT NULL,  -- 1  name
  BANC_COD     VARCHAR(5),            -- 2  bank
  CUBA_NUMERO  VARCHAR(20),           -- 3  account number at the bank
  CUBA_TIPO    CHAR(1) DEFAULT 'C',   -- 4  C current, A savings
  CUEN_COD     VARCHAR(20),           -- 5  ledger account
  CUBA_ACTIVA  CHAR(1) DEFAULT 'S',   -- 6  N when closed
  CONSTRAINT PK_CUENTAS_BANCARIAS PRIMARY KEY (CUBA_COD)
);

-- Price lists.
CREATE TABLE LISTAS_PRECIOS (
  LIPR_COD          VARCHAR(5) NOT NULL,   -- 0  price list
  LIPR_NOMBRE       VARCHAR(60) NOT NULL,  -- 1  name
  LIPR_INCLUYE_IVA  CHAR(1) DEFAULT 'N',   -- 2  S when its prices include VAT
  CONSTRAINT PK_LISTAS_PRECIOS PRIMARY KEY (LIPR_COD)
);

-- Warehouses.
CREATE TABLE BODEGAS (
  BODE_COD        VARCHAR(5) NOT NULL,   -- 0  warehouse
  BODE_NOMBRE     VARCHAR(60) NOT NULL,  -- 1  name
  BODE_DIRECCION  VARCHAR(140),          -- 2  address
  BODE_ACTIVA     CHAR(1) DEFAULT 'S',   -- 3  N when closed
  CONSTRAINT PK_BODEGAS PRIMARY KEY (BODE_COD)
);
